// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/folder_index.h"

#include <QString>
#include <chrono>

class FileSystem;

enum class DatabaseSave {
    Saved,         // the row is written and every photo copied
    SomeNotCopied, // the row is written but a photo could not be copied
    Busy,          // another machine held the index too long; nothing changed
    Full,          // the database has 1000 folders; nothing changed
    Failed,        // the folder could not be made or the index written; nothing was copied
    Unlisted,      // the folder to save could not be listed; nothing was read or changed
    Missing,       // the database folder is not there or cannot be reached; nothing changed
};

// What a save came to.
struct DatabaseSaveResult {
    DatabaseSave outcome = DatabaseSave::Failed;
    int notCopied = 0;         // photos that did not arrive
    bool indexRebuilt = false; // the index was missing and made anew from the folders
};

// What one save stores: the photos (*.JP*) of source, under title, with the
// remark column and the date of its row.
struct DatabaseEntry {
    QString source;
    QString title;
    QString remark;
    QString date;
};

// Stores entry in the database at databaseRoot. Under the index lock it
// reads the index afresh into index, takes the lowest free folder number,
// makes "IMG_nnnn_<title>" and writes the new row, counting the photos found;
// with the lock let go it copies the photos, marked as a save under way (see
// copyingLockPathOf); under the lock again it sets the row's count to the
// photos that arrived. A save that was stopped before that last step is
// finished by a later save: its temporaries removed and its count set. A
// source that cannot be listed is not saved. index ends as the file was last
// written (see updateIndexLocked). The title must have been checked as a
// folder title.
DatabaseSaveResult saveFolderToDatabase(const FileSystem& files, const QString& databaseRoot,
                                        const DatabaseEntry& entry, FolderIndex& index,
                                        std::chrono::milliseconds wait);

// The lock that marks the copies into directory of databaseRoot as under
// way, held by the save that makes them.
QString copyingLockPathOf(const QString& databaseRoot, const QString& directory);
