// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The bytes of the thumbnail a camera embeds in a JPEG's EXIF block, as
// stored (normally a small JPEG, not turned upright), found in the front of
// the file (see readJpegHead); empty when there is no EXIF block or the block
// holds no thumbnail.
QByteArray exifThumbnailDataIn(const QByteArray& jpegHead);
