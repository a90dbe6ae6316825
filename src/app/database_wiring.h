// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainWindow;
struct AppContext;

// Connects "データベースに切りかえ" and "ﾃﾞｰﾀﾍﾞｰｽに保存する" to their handlers.
void connectDatabaseCommands(AppContext& program, MainWindow& form);
