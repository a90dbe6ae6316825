// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The pixels of a box drawn from (left, top), width x height: as on the
// program's drawing surfaces both edges are drawn, so the right edge lies at
// left + width and the bottom edge at top + height.
constexpr QRect drawnBox(int left, int top, int width, int height) {
    return {left, top, width + 1, height + 1};
}
