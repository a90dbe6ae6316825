// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class Clipping;
class FolderNameWindow;
class SettingsWindow;
class SaveDriveWindow;
class SlideShow;
class TrashWindow;
class MainWindow;
struct AppContext;
enum class FolderNameMode;

// The windows the main window opens: the import window, the settings and
// save-drive windows, the clip window, the slide show and the class's trash.
// Each is made at its first use, as a child of the main window, and afterwards
// only hidden and shown again, so that it keeps what it shows from one
// opening to the next.
// Every connection to and from them is made here, once, when it is made.
class SecondaryWindows : public QObject {
    Q_OBJECT

public:
    // Connects the main window's commands that open the windows. Saving the
    // settings writes DRVDATA.TXT in settingsFolder (a host folder) and then
    // ends the program through endProgram.
    SecondaryWindows(AppContext& program, MainWindow& form, const QString& settingsFolder,
                     std::function<void()> endProgram);

    FolderNameWindow& folderNameWindow();
    SettingsWindow& settingsWindow();
    SaveDriveWindow& saveDriveWindow();
    Clipping& clipping();
    SlideShow& slideShow();
    TrashWindow& trashWindow();

private:
    // Opens the folder-name window modally for mode; returns when it is
    // hidden again.
    void openFolderNameWindow(FolderNameMode mode);

    AppContext& m_program;
    MainWindow& m_form;
    QString m_settingsFolder;
    std::function<void()> m_endProgram;
    FolderNameWindow* m_folderNameWindow = nullptr;
    SettingsWindow* m_settingsWindow = nullptr;
    SaveDriveWindow* m_saveDriveWindow = nullptr;
    Clipping* m_clipping = nullptr;
    SlideShow* m_slideShow = nullptr;
    TrashWindow* m_trashWindow = nullptr;
};
