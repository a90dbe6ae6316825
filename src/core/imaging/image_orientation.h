// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QSize>

// A photo's orientation as the image reader gives it: mirrored and flipped
// first, then turned clockwise.
using Orientation = QImageIOHandler::Transformations;

// The orientation an EXIF Orientation value (1..8) stands for; none for any
// other value.
Orientation orientationOfExifValue(int value);

inline bool turnsSideways(Orientation orientation) {
    return orientation.testFlag(QImageIOHandler::TransformationRotate90);
}

inline QSize uprightOf(const QSize& stored, Orientation orientation) {
    return turnsSideways(orientation) ? stored.transposed() : stored;
}

// The image as it is stored, turned upright.
QImage applyOrientation(QImage image, Orientation orientation);
