// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_decoder.h"

#include "core/imaging/photo_reader.h"

QSize readPhotoSize(const QString& hostPath) {
    return PhotoReader(hostPath).uprightSize();
}

QImage decodePhoto(const QString& hostPath) {
    return PhotoReader(hostPath).whole();
}

QImage decodePhotoScaled(const QString& hostPath, const QSize& box) {
    return PhotoReader(hostPath).scaled(box);
}
