// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/main_window_layout.h"

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
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(ProgramState& state, Services& services, QWidget* parent = nullptr);

    // Measures the screen and sizes and places the window and its panels for
    // the small or the large layout. Runs once, before the window is shown.
    void load();
    bool isLoaded() const { return m_loaded; }
    // The layout load() chose.
    const MainWindowLayout& chosenLayout() const { return m_layout; }

    // Makes the photo menus and the folder buttons visible, as when a class
    // folder is opened.
    void showFolderCommands();

    // Class panel
    PictureBox* classPanel = nullptr;
    QLabel* classPrompt = nullptr;
    QPushButton* saveDriveButton = nullptr;
    std::array<QPushButton*, 30> classButtons{};

    // Folder list
    PictureBox* folderList = nullptr;
    QLabel* folderHeadingBand = nullptr;
    std::array<QPushButton*, 2> folderPageButtons{};
    QLabel* classHeading = nullptr;
    QPushButton* deleteFolderButton = nullptr;
    QPushButton* renameFolderButton = nullptr;

    // Thumbnail panel
    PictureBox* thumbnailPanel = nullptr;
    QPushButton* saveToDatabaseButton = nullptr;
    QPushButton* selectAllButton = nullptr;
    QScrollBar* thumbnailScroll = nullptr;
    QLabel* waitNotice = nullptr;
    PictureBox* copyTargetPrompt = nullptr;
    QLabel* copyPromptFirstLine = nullptr;
    QLabel* copyPromptSecondLine = nullptr;
    QPushButton* cancelCopyButton = nullptr;

    // Hidden and sizing itself to its picture; nothing loads a photo into it.
    PictureBox* photoHolder = nullptr;

    // Menu bar
    QAction* quitAction = nullptr;
    QAction* importAction = nullptr;
    QAction* saveToDriveAction = nullptr;
    QMenu* editMenu = nullptr;
    QAction* copyAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* editSeparator = nullptr;
    QAction* otherFolderAction = nullptr;
    QAction* makeFolderAction = nullptr;
    QAction* trashAction = nullptr;
    QMenu* printMenu = nullptr;
    QAction* printOneAction = nullptr;
    QAction* printTwoAction = nullptr;
    QAction* printEightAction = nullptr;
    QAction* printEighteenAction = nullptr;
    QAction* slideShowAction = nullptr;
    QAction* clipAction = nullptr;
    QAction* switchToDatabaseAction = nullptr;
    QAction* settingsAction = nullptr;

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
    void nameForScreenReaders();
    void setKeyboardOrder();

    ProgramState& m_state;
    Services& m_services;
    bool m_loaded = false;
    MainWindowLayout m_layout;
    std::optional<QSize> m_sizedForFrame;
};
