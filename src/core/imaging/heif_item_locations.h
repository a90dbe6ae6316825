// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// A copy of a HEIF file's 'meta' box in which the primary picture's data
// extents longer than keepBytes are cut to keepBytes. libheif reads the whole
// primary item when it opens a file, which is most of the file; a reader that
// only wants the sizes, the EXIF block or the thumbnail hands it this copy
// instead. Returns meta unchanged when it has nothing to cut or cannot be
// understood: every count and size in it is checked against the box.
QByteArray withShortPrimaryData(const QByteArray& meta, quint64 keepBytes);
