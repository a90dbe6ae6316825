#pragma once

#include <QRect>

struct Program;

// Redraws the folder list from FolderListTop, the open folder highlighted;
// FolderTitle becomes the open folder's title when its row is on the page.
void DrawFolderList(Program& program);

// The box of screen row i (1-based) of the folder list.
inline QRect folderRowBox(int screenRow) {
    return {2, 34 * screenRow + 14, 194, 33};
}
