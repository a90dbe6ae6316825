// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/drawn_box.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the cells of a thumbnail page lie on the thumbnail panel. Every cell
// of a grid has the same box, 144 x 108 on the large grid and 130 x 98 (the
// box of a 4:3 photo) on the small one, so the rows line up and no thumbnail
// covers another; each photo is drawn inside its box in its own proportions.

inline constexpr int LargeThumbWidth = 144;
inline constexpr int LargeThumbHeight = 108;
inline constexpr int SmallThumbWidth = 130;
inline constexpr int SmallThumbHeight = 98;
inline constexpr int CaptionBarHeight = 18;
inline constexpr int PageTop = 40;
inline constexpr int LargeRowPitch = 132;

int thumbWidth(bool largeGrid);

struct ThumbCell {
    int x = 0; // cell left
    int y = 0; // caption top
    int width = 0;
    int height = 0;
    int frameHeight = 0;
    QSize photo; // the upright size of the photo shown; invalid for none

    // The bar reaches down to the picture and the frame lies just outside it,
    // so neither covers a pixel of the picture.
    QRect captionBar() const { return drawnBox(x + 4, y - 1, width, CaptionBarHeight); }
    QRect frame() const { return drawnBox(x + 4, y - 1, width + 1, frameHeight); }
    QPoint captionPos() const { return {x + 5, y}; }
    // The picture's box: exactly width x height pixels.
    QRect picture() const { return {x + 5, y + CaptionBarHeight, width, height}; }
    // Where the photo is drawn: inside the box in its own proportions.
    QRect drawnPicture() const;
};

// The cell in column c and row r of the page for a photo of size photo.
ThumbCell thumbCell(bool largeGrid, int column, int row, QSize photo);

// The title box that shows the open folder's title.
QRect titleBox(bool largeGrid);
QPoint titleTextPos(bool largeGrid);

// The thumbnail page as a click on it is read.
struct PageGrid {
    bool largeGrid = false;
    int columns = 0;
    int topRow = 0;
    int photoCount = 0;
};

// The photo number under a click at pos, or 0 for none: the column and row
// are clamped to the page.
int photoNumberAt(QPoint pos, const PageGrid& page);

// The first row of the page: topRow moved back until the page holds a photo.
int correctedTopRow(int topRow, int columns, int photoCount);
