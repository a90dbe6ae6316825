#pragma once

#include <QString>
#include <functional>

class SettingsWindow;
class SaveDriveWindow;
struct AppContext;

// "保存" of the settings window: writes DRVDATA.TXT in programFolder (a host
// folder) and then ends the program through endProgram. Nothing is written
// when a value is refused, and the program goes on when the file could not be
// written, so the old settings stay in force.
void saveSettings(AppContext& program, SettingsWindow& window, const QString& programFolder,
                  const std::function<void()>& endProgram);

// "参照" of the settings window: the chosen folder is shown as a drive path; a
// cancel leaves the box empty.
void chooseFolderInto(AppContext& program, SettingsWindow& window);

// A drive button of the save-drive window: its folder becomes the save base,
// and the save root (with the school year) is made from it as at start-up.
// The choice lasts for this run only: nothing is reloaded or written.
void chooseSaveDrive(AppContext& program, SaveDriveWindow& window, int index);

// Shows the save-drive window modally with the current save drive.
void openSaveDriveWindow(AppContext& program, SaveDriveWindow& window);
