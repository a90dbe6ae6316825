// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reading camera photos. Sizes are upright sizes: the EXIF orientation is
// applied, so a portrait photo stored sideways reports its portrait size. An
// orientation of 0 or outside 1..8 counts as 1. Only JPEG and HEIF content is
// read, whatever the file's name says (see HeifPhoto). A JPEG photo of any pixel count is read: a
// reduced decode needs memory for about the size asked, not the photo's.

// 64 megapixels: the most a decode fits in Qt's 256 MB image limit. A full
// decode of a larger photo fails; a reduced one is asked for no more.
inline constexpr qint64 MaxPhotoPixels = qint64(1) << 26;

// The upright pixel size from the file header, without decoding the picture;
// an invalid size when the file is no readable image.
QSize readPhotoSize(const QString& hostPath);

// The whole photo, upright; a null image when it cannot be decoded or has more
// than MaxPhotoPixels pixels.
QImage decodePhoto(const QString& hostPath);

// The photo upright and scaled to exactly box, made as cheaply as possible:
// from the EXIF thumbnail when that is at least box and of the photo's
// proportions, else by a reduced-size decode. A null image on failure.
QImage decodePhotoScaled(const QString& hostPath, const QSize& box);
