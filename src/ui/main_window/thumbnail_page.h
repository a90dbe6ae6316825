// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/picture_box.h"

struct MainWindowContext;
struct ProgramState;

// Draws the page of thumbnails that starts at ThumbTopRow, behind the waiting
// label, cell by cell as the photos are ready; returns when the page is drawn.
// The pages after and before it are then made in the background.
void drawThumbnailPage(MainWindowContext& main);

// Draws the title box with FolderTitle over whatever the panel shows.
void drawFolderTitle(MainWindowContext& main);

// The thumbnails of the page, named for a screen reader by their captions.
QList<PictureBox::DrawnItem> thumbnailItems(ProgramState& state);
