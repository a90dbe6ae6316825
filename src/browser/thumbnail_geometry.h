#pragma once

#include "browser/drawn_box.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the cells of a thumbnail page lie on the thumbnail panel. The large
// grid has 144 x 108 thumbnails for every photo; the small grid is 130 wide
// with each photo's height from its own proportions.

inline constexpr int LargeThumbWidth = 144;
inline constexpr int LargeThumbHeight = 108;
inline constexpr int SmallThumbWidth = 130;
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

    // The bar reaches down to the picture and the frame lies just outside it,
    // so neither covers a pixel of the picture.
    QRect captionBar() const { return drawnBox(x + 4, y - 1, width, CaptionBarHeight); }
    QRect frame() const { return drawnBox(x + 4, y - 1, width + 1, frameHeight); }
    QPoint captionPos() const { return {x + 5, y}; }
    // The stretch copy's target: exactly width x height pixels.
    QRect picture() const { return {x + 5, y + CaptionBarHeight, width, height}; }
};

// The cell in column c and row r of the page for a photo of size photo (only
// the small grid uses it; it must be valid there).
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
    // The picture loaded last: the small grid takes its row pitch from it.
    QSize lastPhoto;
};

// The photo number under a click at pos, or 0 for none: the column and row
// are clamped to the page, and the small grid has no row pitch without a
// picture loaded last.
int photoNumberAt(QPoint pos, const PageGrid& page);

// The first row of the page: topRow moved back until the page holds a photo.
int correctedTopRow(int topRow, int columns, int photoCount);
