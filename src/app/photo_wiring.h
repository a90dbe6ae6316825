// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainWindow;
struct AppContext;

// Connects the delete, copy, cancel-copy and save-to-photo-drive commands of
// the main window.
void connectPhotoCommands(AppContext& program, MainWindow& form);
