// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// "データベースに切りかえ" / "データベースからもどる": opens the database tree in
// place of the class folder, or the class folder (at its first folder) in
// place of the database tree.
void switchDatabaseTree(AppContext& program);
