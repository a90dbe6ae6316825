#include "browser/thumbnail_geometry.h"

#include "state/rounding.h"

#include <algorithm>

int thumbWidth(bool largeGrid) {
    return largeGrid ? LargeThumbWidth : SmallThumbWidth;
}

ThumbCell thumbCell(bool largeGrid, int column, int row, QSize photo) {
    ThumbCell cell;
    cell.width = thumbWidth(largeGrid);
    cell.x = (cell.width + 10) * column;
    if (largeGrid) {
        cell.height = LargeThumbHeight;
        cell.y = LargeRowPitch * row + PageTop;
        cell.frameHeight = 127;
    } else {
        const double exactHeight = double(cell.width) * photo.height() / photo.width();
        cell.height = roundHalfEven(exactHeight);
        cell.y = roundHalfEven((exactHeight + 24) * row + PageTop);
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
    int rowPitch = LargeRowPitch;
    if (!page.largeGrid) {
        if (page.lastPhoto.width() <= 0)
            return 0;
        rowPitch =
            roundHalfEven(double(width) * page.lastPhoto.height() / page.lastPhoto.width() + 24);
        if (rowPitch <= 0)
            return 0;
    }
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
