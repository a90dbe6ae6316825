// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class MainWindow;
struct AppContext;

// Leaves the event loop at once; no window is asked first.
void endProgramNow();

// Ends the program through endProgram when the user confirms the menu item
// "おわり", and without a question when the main window is closed.
void connectShutDown(AppContext& program, MainWindow& form,
                     std::function<void()> endProgram = endProgramNow);
