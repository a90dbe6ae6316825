// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QFile;

// The front of a JPEG file up to its first scan: the bytes a header read
// needs (the size, the EXIF block with the orientation and the camera's
// thumbnail), read in as few round trips as the segment lengths allow and
// without the read-ahead that would fetch picture data over a network drive.
// Whatever could be read when the file ends early, is no JPEG, or keeps its
// first scan past MaxJpegHeadBytes.
QByteArray readJpegHead(QFile& file);

// EXIF and colour profile segments in front of the first scan stay far below
// this; a file that has more is read as a whole.
inline constexpr qint64 MaxJpegHeadBytes = 1024 * 1024;
