// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/drawn_box.h"
#include "ui/widgets/picture_box.h"

#include <QRect>
#include <algorithm>

struct MainWindowContext;
struct ProgramState;

// Redraws the folder list from FolderListTop, the open folder highlighted;
// FolderTitle becomes the open folder's title when its row is on the page.
void drawFolderList(MainWindowContext& main);

// The rows shown, named for a screen reader: title, count, date and remark.
QList<PictureBox::DrawnItem> folderListItems(const ProgramState& state);

// The box of screen row i (1-based) of the folder list.
inline QRect folderRowBox(int screenRow) {
    return drawnBox(2, 34 * screenRow + 14, 193, 32);
}

// The left edge of a row's photo count that is textWidth pixels wide: x = 170,
// or further left when the count would reach the box's right edge.
inline int folderCountLeft(int textWidth) {
    return std::min(170, folderRowBox(1).right() - textWidth);
}
