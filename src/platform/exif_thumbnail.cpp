#include "platform/exif_thumbnail.h"

#include <QFile>
#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

namespace {

// The EXIF block sits in the file's first segments; a loader that has not
// found it by then is reading a file without one.
constexpr qint64 MaxBytesToScan = 1024 * 1024;
constexpr qint64 ChunkBytes = 16 * 1024;

} // namespace

QByteArray readExifThumbnailData(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};

    ExifLoader* loader = exif_loader_new();
    if (!loader)
        return {};
    QByteArray chunk;
    while (file.pos() < MaxBytesToScan) {
        chunk = file.read(ChunkBytes);
        if (chunk.isEmpty())
            break;
        auto* bytes = reinterpret_cast<unsigned char*>(chunk.data());
        if (!exif_loader_write(loader, bytes, static_cast<unsigned int>(chunk.size())))
            break;
    }
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
