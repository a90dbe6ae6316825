// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/main_window_layout.h"
#include "ui/main_window/main_window_controls.h"
#include "ui/main_window/main_window_view.h"

#include <QMainWindow>
#include <optional>

class FileSystem;
struct ProgramState;
struct Services;
struct SheetLayout;

// The main window: the class panel, the folder list, the thumbnail panel, the
// two folder buttons and the menu bar. Controls keep their design pixel
// geometry. The window moves its own page and list for the keys and the
// wheel, draws what the commands ask through view(), and tells what the user
// asked for through its signals; it runs no command of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(ProgramState& state, Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Measures the screen and sizes and places the window and its panels for
    // the small or the large layout. Runs once, before the window is shown.
    void load();
    bool isLoaded() const { return m_loaded; }
    // The layout load() chose.
    const MainWindowLayout& chosenLayout() const { return m_layout; }

    // The window as the commands see it.
    MainView& view() { return m_view; }

    // Shows "まってください" and the wait cursor while a command on the window's
    // thread waits for a lock in files.
    void showLockWaitsOf(FileSystem& files);

signals:
    void classChosen(int index);
    void saveDriveWindowRequested();

    // A mouse button went down on the folder list or the thumbnail page.
    void folderListPressed(Qt::MouseButton button, QPoint pos);
    void thumbnailPagePressed(Qt::MouseButton button, QPoint pos);
    // "<" (0) or ">" (1) over the folder list.
    void folderPageRequested(int index);
    // Enter on the folder list's focus row.
    void folderRowChosen(int row);
    // The scroll bar, the wheel or the keys moved the page to start at row.
    void thumbnailPageScrolled(int topRow);
    // Enter on the photo in the focus frame.
    void photoShowRequested(int photo);

    void deleteFolderRequested();
    void renameFolderRequested();
    void saveToDatabaseRequested();
    void selectAllRequested();
    void cancelCopyRequested();

    void quitRequested();
    void importRequested();
    void saveToPhotoDriveRequested();
    void copyRequested();
    void deletePhotosRequested();
    void otherFolderRequested();
    void makeFolderRequested();
    void trashWindowRequested();
    void printRequested(const SheetLayout& layout);
    void slideShowRequested();
    void clipHintRequested();
    void databaseSwitchRequested();
    void settingsRequested();

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
    void announceControls();
    void announceMenus();
    void handlePageKeys();
    void nameControls();
    void fitOuterSize();
    void nameForScreenReaders();
    void setKeyboardOrder();

    ProgramState& m_state;
    Services& m_services;
    MainWindowControls m_controls;
    MainWindowView m_view;
    bool m_loaded = false;
    MainWindowLayout m_layout;
    std::optional<QSize> m_sizedForFrame;
};
