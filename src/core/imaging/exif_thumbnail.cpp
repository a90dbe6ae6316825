// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/exif_thumbnail.h"

#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

QByteArray exifThumbnailDataIn(const QByteArray& jpegHead) {
    ExifLoader* loader = exif_loader_new();
    if (!loader)
        return {};
    // The loader copies what it needs and never writes to the bytes.
    auto* bytes = reinterpret_cast<unsigned char*>(const_cast<char*>(jpegHead.constData()));
    exif_loader_write(loader, bytes, static_cast<unsigned int>(jpegHead.size()));
    ExifData* exif = exif_loader_get_data(loader);
    exif_loader_unref(loader);
    if (!exif)
        return {};

    QByteArray thumbnail;
    if (exif->data && exif->size > 0)
        thumbnail = QByteArray(reinterpret_cast<const char*>(exif->data),
                               static_cast<qsizetype>(exif->size));
    exif_data_unref(exif);
    return thumbnail;
}
