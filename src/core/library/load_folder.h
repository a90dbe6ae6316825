// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class FileSystem;
struct LibraryContext;

// Lists the photos of PhotoFolder, sets the scroll range, draws the first
// page and brings the folder's stored photo count up to date, unless the
// folder could not be listed.
void loadFolder(const LibraryContext& program);

// Paths of the photo files (see isPhotoFileName) directly in folder, in listing order, at
// most limit of them; a file whose name holds "\" is left out. No folder (an empty path) and a
// folder that does not exist hold none; one that exists but cannot be listed gives none too, and
// ok, when given, is then false.
QStringList listPhotoPaths(const FileSystem& files, const QString& folder, int limit,
                           bool* ok = nullptr);
