// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class Clipping;
class FolderNameWindow;
class MainWindow;
class SaveDriveWindow;
class SettingsWindow;
class SlideShow;
class TrashWindow;
struct AppContext;
enum class FolderNameMode;

// Leaves the event loop at once; no window is asked first.
void endProgramNow();

// The one place where what the user asks of a window becomes a command. The
// windows the main window opens (the folder-name, settings and save-drive
// windows, the clip window, the slide show and the class's trash) are made
// here at their first use, as children of the main window, and afterwards only hidden and shown,
// so each keeps what it shows from one opening to the next.
class Wiring : public QObject {
    Q_OBJECT

public:
    // Saving the settings writes DRVDATA.TXT in settingsFolder (a host
    // folder) and then ends the program through endProgram, as do "おわり"
    // confirmed and closing the main window.
    Wiring(AppContext& program, MainWindow& window, const QString& settingsFolder,
           std::function<void()> endProgram = endProgramNow);

private:
    void wireClassPanel();
    void wireFolderList();
    void wireThumbnailPage();
    void wireMenus();
    // Opens the folder-name window modally for mode; returns when it is
    // hidden again.
    void openFolderNameWindow(FolderNameMode mode);
    void openSaveDriveWindow();
    void openTrashWindow();

    FolderNameWindow& folderNameWindow();
    SettingsWindow& settingsWindow();
    SaveDriveWindow& saveDriveWindow();
    Clipping& clipping();
    SlideShow& slideShow();
    TrashWindow& trashWindow();

    AppContext& m_program;
    MainWindow& m_window;
    QString m_settingsFolder;
    std::function<void()> m_endProgram;
    FolderNameWindow* m_folderNameWindow = nullptr;
    SettingsWindow* m_settingsWindow = nullptr;
    SaveDriveWindow* m_saveDriveWindow = nullptr;
    Clipping* m_clipping = nullptr;
    SlideShow* m_slideShow = nullptr;
    TrashWindow* m_trashWindow = nullptr;
};
