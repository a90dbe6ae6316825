// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/locked_index.h"

#include <QString>

class FileSystem;

// What adding a numbered folder came to.
struct NumberedFolder {
    QString directory; // the directory name taken
    bool full = false; // the index held as many rows as it can already
    bool made = false; // the directory was made
};

// An index change that takes the next folder number, makes the directory of
// that number and title in folder and adds row for it with the directory's
// name. The number is taken and the directory made in one hold of the lock,
// so machines adding at the same moment get different folders, and a row is
// added only for a directory that was made. It declines when the index is
// full or the directory could not be made; outcome says which.
IndexChange addNumberedFolder(const FileSystem& files, const QString& folder, const QString& title,
                              const FolderRow& row, NumberedFolder& outcome);
