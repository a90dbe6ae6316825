// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainWindow;
struct AppContext;

// Connects the folder list's clicks and paging buttons, the delete button,
// "他のフォルダを見る" and the select-all button to their handlers.
void connectFolderCommands(AppContext& program, MainWindow& form);
