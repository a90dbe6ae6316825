// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

inline constexpr int LayoutIconWidth = 109;
inline constexpr int LayoutIconHeight = 83;

// A small picture of the slide-show window: a screen with a large pink
// picture and three grey buttons along the bottom, and with withStrip a
// column of six pale yellow thumbnails down the left side.
QImage layoutIcon(bool withStrip);
