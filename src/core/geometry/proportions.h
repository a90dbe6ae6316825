// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <cmath>

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
