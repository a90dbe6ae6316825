// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <Qt>

struct AppContext;

// Opens index row k in the thumbnail panel: the marks of the folder being
// left are cleared and the first page is shown.
void openFolderRow(AppContext& program, int k);

// Row k was picked in the folder list (0 for none): it is opened, or, while a
// copy waits for its destination, receives the copy.
void pickFolderRow(AppContext& program, int k);

// A mouse button went down on the folder list: the row under it is opened,
// or, while a copy waits for its destination, receives the copy.
void onFolderListMouseDown(AppContext& program, Qt::MouseButton button, QPoint pos);
