#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reading camera photos. Sizes are upright sizes: the EXIF orientation is
// applied, so a portrait photo stored sideways reports its portrait size.

// The upright pixel size from the file header, without decoding the picture;
// an invalid size when the file is no readable image.
QSize readPhotoSize(const QString& hostPath);

// The whole photo, upright; a null image when it cannot be decoded.
QImage decodePhoto(const QString& hostPath);

// The photo upright and scaled to exactly box, made as cheaply as possible:
// from the EXIF thumbnail when that is at least box and of the photo's
// proportions, else by a reduced-size decode. A null image on failure.
QImage decodePhotoScaled(const QString& hostPath, const QSize& box);
