// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The clip window's picture box and the rectangles cut from it. Pixels of the
// window and of the picture box.

// The size the photo is drawn at: "640×480" or "320×240".
enum class ClipSize { Large, Small };
// What "クリップ" takes: "すべて", the whole photo, or "はんい", a rectangle.
enum class ClipArea { Whole, Range };

// photoBox for a size: one pixel wider and higher than the photo.
QRect clipPictureBox(ClipSize size);
// The photo drawn into photoBox at (0, 0).
QSize clipDrawSize(ClipSize size);

// The rectangle two corners span, in either order, both corner pixels in it.
QRect clipRectangle(QPoint a, QPoint b);
// The white outline of the chosen frame: one pixel outside the black one,
// which runs along the border pixels of clipRectangle.
QRect clipOuterFrame(QPoint a, QPoint b);

// pos moved into the pixels of a box of size.
QPoint clampedInto(QPoint pos, const QSize& size);
