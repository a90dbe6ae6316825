// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/bitmap_file.h"

#include "core/files/file_replacement.h"
#include "core/files/untrusted_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>

// The scratch folder may be one that others can write, such as /tmp: a link,
// a pipe or a device planted under the bitmap's name is removed itself, never
// written through or read from.
bool saveBitmap(const QImage& image, const QString& hostPath) {
    if (image.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
        return false;
    removeBitmap(hostPath);
    return replaceFileContents(hostPath, bytes);
}

QImage loadBitmap(const QString& hostPath) {
    UntrustedFile file(hostPath, UntrustedKind::Photo);
    if (!file.isOpen())
        return QImage();
    QImageReader reader(&file.device(), "BMP");
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
