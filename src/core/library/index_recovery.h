// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/index_file.h"

#include <QString>

class FileSystem;

// An index is never taken as empty while the folder holds evidence of rows.
// A numbered photo folder ("IMG_0007_えんそく") without a row in index
// gets one made from what the folder shows: the title from its name, the
// count from its photos, the date from the folder's time. Returns how many
// rows were added; rows are added in folder-number order while there is
// room. Call it only where the index file was missing (origin is not File),
// under the index's lock: a row taken out on purpose has its folder gone.
int addRowsOfNumberedFolders(const FileSystem& files, const QString& folder, FolderIndex& index);

// True when folder holds a numbered photo folder.
bool hasNumberedFolders(const FileSystem& files, const QString& folder);
