// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/bitmap_file.h"

#include <QFile>
#include <QImageReader>
#include <QTransform>

bool saveBitmap(const QImage& image, const QString& hostPath) {
    return !image.isNull() && image.save(hostPath, "BMP");
}

QImage loadBitmap(const QString& hostPath) {
    QImageReader reader(hostPath, "BMP");
    return reader.read();
}

bool removeBitmap(const QString& hostPath) {
    return QFile::remove(hostPath);
}

std::int32_t RotateL(const QString& source, const QString& destination) {
    const QImage picture = loadBitmap(source);
    if (picture.isNull())
        return 1;
    return saveBitmap(picture.transformed(QTransform().rotate(-90)), destination) ? 0 : 2;
}
