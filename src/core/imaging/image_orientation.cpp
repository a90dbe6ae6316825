// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/image_orientation.h"

#include <QTransform>
#include <array>

Orientation orientationOfExifValue(int value) {
    // By the tag's value; 1 and any value it does not define stand upright.
    static constexpr std::array ByValue = {
        QImageIOHandler::TransformationNone,      QImageIOHandler::TransformationNone,
        QImageIOHandler::TransformationMirror,    QImageIOHandler::TransformationRotate180,
        QImageIOHandler::TransformationFlip,      QImageIOHandler::TransformationFlipAndRotate90,
        QImageIOHandler::TransformationRotate90,  QImageIOHandler::TransformationMirrorAndRotate90,
        QImageIOHandler::TransformationRotate270,
    };
    return value >= 0 && value < int(ByValue.size()) ? ByValue[size_t(value)]
                                                     : QImageIOHandler::TransformationNone;
}

QImage applyOrientation(QImage image, Orientation orientation) {
    image = std::move(image).mirrored(orientation.testFlag(QImageIOHandler::TransformationMirror),
                                      orientation.testFlag(QImageIOHandler::TransformationFlip));
    if (turnsSideways(orientation))
        image = image.transformed(QTransform().rotate(90));
    return image;
}
