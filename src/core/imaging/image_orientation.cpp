// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/image_orientation.h"

#include <QTransform>

Orientation orientationOfExifValue(int value) {
    switch (value) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

QImage applyOrientation(QImage image, Orientation orientation) {
    image = std::move(image).mirrored(orientation.testFlag(QImageIOHandler::TransformationMirror),
                                      orientation.testFlag(QImageIOHandler::TransformationFlip));
    if (turnsSideways(orientation))
        image = image.transformed(QTransform().rotate(90));
    return image;
}
