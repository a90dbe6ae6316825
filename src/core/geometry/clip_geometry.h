// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The clip window's picture box and the rectangles cut from it. Pixels of the
// window and of the picture box.

enum ClipSizeModes { ClipLarge = 0, ClipSmall = 1 };
enum ClipAreaModes { ClipWhole = 0, ClipRange = 1 };

// photoBox for a size mode: one pixel wider and higher than the photo.
QRect clipPictureBox(int sizeMode);
// The photo drawn into photoBox at (0, 0).
QSize clipDrawSize(int sizeMode);

// The rectangle two corners span, in either order, both corner pixels in it.
QRect clipRectangle(QPoint a, QPoint b);
// The white outline of the chosen frame: one pixel outside the black one,
// which runs along the border pixels of clipRectangle.
QRect clipOuterFrame(QPoint a, QPoint b);

// pos moved into the pixels of a box of size.
QPoint clampedInto(QPoint pos, const QSize& size);
