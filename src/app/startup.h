// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MainWindow;
struct AppContext;

// Fills the state with its first values, loads the main window, reads the
// settings file DRVDATA.TXT from settingsFolder (a host folder) and opens what
// the settings ask for: the class panel in school use, the save root in
// personal use. The window is left for the caller to show.
void startUp(AppContext& program, MainWindow& form, const QString& settingsFolder);
