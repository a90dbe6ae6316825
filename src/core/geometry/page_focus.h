// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the keyboard focus of a thumbnail page lies and which page shows: the
// page starts at row topRow, holds columns x columns photos, and photo focus
// (1..photoCount, 0 for none) has the focus frame.

struct PageFocus {
    int topRow = 0;
    int focus = 0;

    bool operator==(const PageFocus&) const = default;
};

enum class PageKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The focus and page after key. An arrow that leaves the page turns it by a
// whole page; the page keys turn a page and keep the focus at its place on
// the page as far as the photos reach.
PageFocus pageFocusAfter(PageFocus now, PageKey key, int columns, int photoCount);

// The focus kept on the page that starts at topRow: unchanged when it is on
// that page, else the page's first photo.
int focusOnPage(int focus, int topRow, int columns, int photoCount);

// The top row after the scroll bar's position moves by rows, within 0..maximum.
int scrolledRow(int position, int rows, int maximum);
