// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Joins a folder path and a name with "\". A folder that already ends with
// "\" gives a doubled separator, which the file system accepts.
inline QString joinPath(const QString& folder, const QString& name) {
    return folder + u'\\' + name;
}

// The index file of a class folder, which may or may not end with "\".
QString indexPathOf(const QString& classFolder);

// The file part of a path: the text after its last "\".
QString fileNameOf(const QString& path);

// The folder part of a path: the text before its last "\" (without it).
QString folderOf(const QString& path);

struct ProgramState;

// The path of the photo folder of index row k: the class folder, "\" and the
// row's directory name. Empty when the directory name is not a plain name
// inside the class folder, so that nothing outside it is ever listed, copied
// into or deleted.
QString photoFolderOfRow(const ProgramState& state, int row);

// The save root: SaveBase, or the folder SaveSubFolder in it when one is set.
QString saveRootOf(const ProgramState& state);
