// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct AppContext;

// Fills the state with its first values, reads the settings file DRVDATA.TXT
// from settingsFolder (a host folder) and opens what the settings ask for: the
// class panel in school use, the save root in personal use. The main window
// is loaded for the screen before, and shown by the caller after.
void startUp(AppContext& program, const QString& settingsFolder);
