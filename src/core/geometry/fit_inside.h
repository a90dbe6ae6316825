// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// Where a picture goes in a box: the whole picture, as large as it fits
// inside the box and centred in it, so nothing is drawn out of its
// proportions; the rest of the box keeps the box's background. Empty when the
// picture or the box is empty.
QRectF fitInside(const QSizeF& picture, const QRectF& box);

// The same on whole pixels: each side rounded half to even and never past the
// box, the picture placed on the box's centre rounded down, so a picture of
// the box's proportions fills the box exactly.
QRect fitInside(const QSize& picture, const QRect& box);

// The size fitInside gives the picture in a box of size box.
QSize fittedSize(const QSize& picture, const QSize& box);
