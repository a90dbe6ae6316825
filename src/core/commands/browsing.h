// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <Qt>

struct AppContext;
struct ProgramState;

// The index row a click at height y of the folder list stands for, or 0 when
// there are no folders. The heading and the first row give the first row of
// the page; a click below the last row gives the last folder.
int folderRowAt(const ProgramState& state, int y);

// The paging buttons of the folder list: index 0 ("<") shows the previous
// page, index 1 (">") the next one when there is one. The open folder and the
// thumbnails stay as they are.
void pageFolderList(AppContext& program, int index);

// The thumbnail scroll bar moved to position: the page starting at that row.
void scrollThumbnails(AppContext& program, int position);

// Marks every photo of the open folder; when all were marked already, takes
// every mark off instead.
void selectAllPhotos(AppContext& program);

// A mouse button went down on the thumbnail panel. Left and middle clicks
// toggle the mark of the photo under the mouse. Returns the photo number a
// right click asks to clip, else 0.
int toggleMarkOrPickToClip(AppContext& program, Qt::MouseButton button, QPoint pos);
