// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/thumbnail_geometry.h"

#include "core/geometry/fitting.h"

#include <algorithm>

namespace {
// The small grid's rows are those of 4:3 photos: a 97.5 pixel picture and 24
// pixels of caption and gap, each row's top rounded once.
constexpr double SmallRowPitch = SmallThumbWidth * 3.0 / 4.0 + 24;
} // namespace

QRect ThumbCell::drawnPicture() const {
    return photo.isValid() ? fitInside(photo, picture()) : picture();
}

int thumbWidth(bool largeGrid) {
    return largeGrid ? LargeThumbWidth : SmallThumbWidth;
}

ThumbCell thumbCell(bool largeGrid, int column, int row, QSize photo) {
    ThumbCell cell;
    cell.width = thumbWidth(largeGrid);
    cell.x = (cell.width + 10) * column;
    cell.photo = photo;
    if (largeGrid) {
        cell.height = LargeThumbHeight;
        cell.y = LargeRowPitch * row + PageTop;
        cell.frameHeight = 127;
    } else {
        cell.height = SmallThumbHeight;
        cell.y = roundHalfEven(SmallRowPitch * row + PageTop);
        cell.frameHeight = cell.height + 19;
    }
    return cell;
}

QRect titleBox(bool largeGrid) {
    return drawnBox(largeGrid ? 390 : 300, 4, 220, 28);
}

QPoint titleTextPos(bool largeGrid) {
    return {largeGrid ? 398 : 308, 10};
}

int photoNumberAt(QPoint pos, const PageGrid& page) {
    if (page.columns <= 0)
        return 0;
    const int width = thumbWidth(page.largeGrid);
    const int rowPitch = page.largeGrid ? LargeRowPitch : roundHalfEven(SmallRowPitch);
    const int column = std::clamp((pos.x() - 5) / (width + 10), 0, page.columns - 1);
    const int row = std::clamp((pos.y() - PageTop) / rowPitch, 0, page.columns - 1);
    const int number = page.topRow * page.columns + row * page.columns + column + 1;
    return number > page.photoCount ? 0 : number;
}

int correctedTopRow(int topRow, int columns, int photoCount) {
    while (topRow > 0 && columns * topRow >= photoCount)
        --topRow;
    return topRow;
}
