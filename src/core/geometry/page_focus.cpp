// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/page_focus.h"

#include <algorithm>

namespace {

int rowOf(int photo, int columns) {
    return (photo - 1) / columns;
}

// The top row that shows photo, moving from topRow by whole pages.
int topRowShowing(int photo, int topRow, int columns) {
    const int row = rowOf(photo, columns);
    while (row < topRow)
        topRow = std::max(0, topRow - columns);
    while (row >= topRow + columns)
        topRow += columns;
    return topRow;
}

} // namespace

PageFocus pageFocusAfter(PageFocus now, PageKey key, int columns, int photoCount) {
    if (photoCount <= 0 || columns <= 0)
        return {0, 0};
    const int perPage = columns * columns;
    const int lastRow = rowOf(photoCount, columns);
    int focus = std::clamp(now.focus, 1, photoCount);
    int topRow = now.topRow;
    switch (key) {
    case PageKey::Left:
        focus = std::max(1, focus - 1);
        break;
    case PageKey::Right:
        focus = std::min(photoCount, focus + 1);
        break;
    case PageKey::Up:
        if (focus > columns)
            focus -= columns;
        break;
    case PageKey::Down:
        if (rowOf(focus, columns) < lastRow)
            focus = std::min(photoCount, focus + columns);
        break;
    case PageKey::PageUp:
        topRow = std::max(0, topRow - columns);
        focus = std::max(1, focus - (now.topRow - topRow) * columns);
        return {topRow, focus};
    case PageKey::PageDown:
        if (topRow + columns <= lastRow) {
            topRow += columns;
            focus = std::min(photoCount, focus + perPage);
        }
        return {topRow, focus};
    case PageKey::Home:
        return {0, 1};
    case PageKey::End:
        return {std::max(0, lastRow - columns + 1), photoCount};
    }
    return {topRowShowing(focus, topRow, columns), focus};
}

int focusOnPage(int focus, int topRow, int columns, int photoCount) {
    if (photoCount <= 0 || columns <= 0)
        return 0;
    const int first = topRow * columns + 1;
    const bool onPage = focus >= first && focus < first + columns * columns && focus <= photoCount;
    return onPage ? focus : std::min(first, photoCount);
}

int scrolledRow(int position, int rows, int maximum) {
    return std::clamp(position + rows, 0, std::max(0, maximum));
}
