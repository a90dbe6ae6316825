// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainWindow;
struct AppContext;

// Connects the four items of the print menu to printing with their layouts.
void connectPrintCommands(AppContext& program, MainWindow& form);
