// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/shutdown.h"

#include <QString>
#include <functional>

class MainWindow;
class MainWindow;
struct AppContext;

// Connects the main window's class buttons, thumbnail panel and scroll bar,
// and every folder, import, photo, print, viewing, database and settings
// command, to their handlers, and shows on the window every wait for a lock.
// The settings are saved in settingsFolder (a host folder), and saving them
// ends the program through endProgram.
void connectMainWindow(AppContext& program, MainWindow& form, const QString& settingsFolder,
                       std::function<void()> endProgram = endProgramNow);
