// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

struct AppContext;
struct SettingsTexts;

// "保存" of the settings window: writes DRVDATA.TXT in programFolder (a host
// folder) and says the program ends. Nothing is written when a value is
// refused, and false is returned when the file could not be written, so the
// old settings stay in force and the program goes on.
bool saveSettings(AppContext& program, const SettingsTexts& texts, const QString& programFolder);

// "参照" of the settings window, which shows current: the chosen folder as a
// drive path, empty for a cancel, or nullopt when the box stays as it was.
std::optional<QString> choosePhotoDriveFolder(AppContext& program, const QString& current);

// The save root drive button index (0 to 7) chooses: "A:\", or
// "C:\A_IMAGE\" to "I:\A_IMAGE\" (there is no button for B:).
QString saveRootOfDriveButton(int index);

// A drive button of the save-drive window: its folder becomes the save base,
// and the save root (with the school year) is made from it as at start-up.
// The choice lasts for this run only: nothing is reloaded or written.
void chooseSaveDrive(AppContext& program, int index);
