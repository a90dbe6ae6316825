#pragma once

#include "main_window/form1_layout.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class PictureBox;
struct ProgramState;
struct Services;

// The main window: the class panel, the folder list, the thumbnail panel, the
// two folder buttons and the menu bar. Controls keep their design names and
// absolute pixel geometry; the handlers that act on them are connected from
// outside, so the window itself only holds and lays out its controls.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(ProgramState& state, Services& services, QWidget* parent = nullptr);

    // Measures the screen and sizes and places the window and its panels for
    // the small or the large layout. Runs once, before the window is shown.
    void load();
    bool isLoaded() const { return m_loaded; }
    // The layout load() chose.
    const Form1Layout& chosenLayout() const { return m_layout; }

    // Makes the photo menus and the folder buttons visible, as when a class
    // folder is opened.
    void showFolderCommands();

    // Class panel
    PictureBox* Picture3 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command8 = nullptr;
    std::array<QPushButton*, 30> Command2{};

    // Folder list
    PictureBox* Picture2 = nullptr;
    QLabel* Shape1 = nullptr;
    std::array<QPushButton*, 2> Command5{};
    QLabel* Label3 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

    // Thumbnail panel
    PictureBox* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command6 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    PictureBox* Picture5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Command7 = nullptr;

    // Hidden and sizing itself to its picture; nothing loads a photo into it.
    PictureBox* Picture4 = nullptr;

    // Menu bar
    QAction* mnuend = nullptr;
    QAction* MNUFILELOAD = nullptr;
    QAction* MNUSAVE = nullptr;
    QMenu* mnuedit = nullptr;
    QAction* mnucopy = nullptr;
    QAction* mnudel = nullptr;
    QAction* mnuharu = nullptr;
    QAction* KUGIRI = nullptr;
    QAction* MNU_OTHERFOLDER = nullptr;
    QAction* MNU_MKFOLDER = nullptr;
    QMenu* MNUPRINT = nullptr;
    QAction* MNUPRINT1 = nullptr;
    QAction* MNUPRINT2 = nullptr;
    QAction* MNUPRINT8 = nullptr;
    QAction* MNUPRINT18 = nullptr;
    QAction* mnudisp = nullptr;
    QAction* MNUCLIP = nullptr;
    QAction* mnudrvchg = nullptr;
    QAction* mnu_conv = nullptr;

signals:
    // Any attempt to close the window.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildClassPanel(QWidget* client);
    void buildFolderList(QWidget* client);
    void buildThumbnailPanel(QWidget* client);
    void buildPhotoHolder(QWidget* client);
    void buildMenus();
    void fitOuterSize();

    ProgramState& m_state;
    Services& m_services;
    bool m_loaded = false;
    Form1Layout m_layout;
    std::optional<QSize> m_sizedForFrame;
};
