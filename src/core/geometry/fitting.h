// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <cmath>

// Pictures in boxes, never out of their own proportions, and the whole-number
// arithmetic that places them.

// Conversion of a number to an integer as the program's arithmetic does it:
// to the nearest integer, a half going to the even neighbour.
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

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

// How far a thumbnail's proportions may stray from those of the photo it
// shows. Cameras and thumbnail caches round its sides to whole pixels or to
// blocks of 8 (504 x 376 for 4:3), while a letterboxed 4:3 thumbnail of a
// 16:9 photo is a third off.
inline constexpr double ProportionTolerance = 0.02;

// Whether a and b (both non-empty) have the same proportions within
// ProportionTolerance.
inline bool sameProportions(const QSize& a, const QSize& b) {
    const double ratio = (double(a.width()) * b.height()) / (double(a.height()) * b.width());
    return std::abs(ratio - 1.0) <= ProportionTolerance;
}
