// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/settings_file.h"

#include <QString>
#include <optional>

// What the settings window shows, as the texts of its controls.
struct ProgramState;

struct SettingsTexts {
    QString photoDrive;   // photoDriveEdit
    QString saveBase;     // saveDriveCombo
    QString schoolYear;   // schoolYearCombo
    QString usageMode;    // usageModeCombo
    QString nodeNumber;   // nodeNumberCombo
    QString databaseRoot; // databaseFolderCombo
};

// The node number a text of the node-number box gives: 999 for "先生機", 0
// for "利用しない", else a whole number from 0 to 999 written in digits, with
// blanks around it allowed. Full-width digits, as an input method types them,
// count as the digits. nullopt for any other text.
std::optional<int> nodeNumberOf(const QString& text);

// The values the window saves: the photo drive with a "\" at its end, the
// texts as shown and the node number worked out. nullopt when the node number
// is refused.
std::optional<SettingsValues> settingsFromTexts(const SettingsTexts& texts);

// The six settings in force, as start-up read them (or its defaults).
SettingsValues settingsInForce(const ProgramState& state);
