#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the thumbnail a camera embeds in a JPEG's EXIF block, as
// stored (normally a small JPEG, not turned upright); empty when the file has
// no EXIF block or the block holds no thumbnail.
QByteArray readExifThumbnailData(const QString& hostPath);
