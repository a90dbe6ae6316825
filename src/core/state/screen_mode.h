// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two screen-size tests. The window layout and the thumbnail grid use
// different thresholds, so a screen 1000..1020 wide gets the small window with
// the large grid.

// Main window 1024 x 748 and the large control layout.
inline bool isLargeWindow(int screenWidthPx) {
    return screenWidthPx > 1020;
}

// Five thumbnails a row, 18 folder rows, 144 x 108 thumbnails.
inline bool isLargeGrid(int screenWidthPx) {
    return screenWidthPx > 999;
}

inline int thumbColumnsFor(int screenWidthPx) {
    return isLargeGrid(screenWidthPx) ? 5 : 4;
}

inline int folderListRowsFor(int screenWidthPx) {
    return isLargeGrid(screenWidthPx) ? 18 : 13;
}
