#pragma once

#include "core/state/program_state.h"

#include <QString>
#include <chrono>

class FileSystem;
struct AppContext;

// " 先生" for the teacher's machine (999), " PC" and the last two digits of
// "0" and the number for any other number above 0, nothing for 0 or less.
QString machineTag(int pcNumber);

enum class DatabaseSave {
    Saved,         // the row is written and every photo copied
    SomeNotCopied, // the row is written but a photo could not be copied
    Busy,          // another machine held the index too long; nothing changed
    Full,          // the database has 1000 folders; nothing changed
    Failed,        // the folder could not be made or the index written; nothing was copied
    Unlisted,      // the folder to save could not be listed; nothing was read or changed
    Missing,       // the database folder is not there or cannot be reached; nothing changed
};

// What one save stores: the photos (*.JP*) of source, under title, with the
// remark column and the date of its row.
struct DatabaseEntry {
    QString source;
    QString title;
    QString remark;
    QString date;
};

// Stores entry in the database at databaseRoot: under the index lock, reads
// the index afresh into index, takes the lowest free folder number, makes
// "IMG_nnnn_<title>" and writes the new row (its count is the number of
// photos found); then, with the lock let go, copies the photos. A source that
// cannot be listed is not saved. index ends as the file was written (see
// updateIndexLocked). The title must have been checked as a folder title.
DatabaseSave saveFolderToDatabase(const FileSystem& files, const QString& databaseRoot,
                                  const DatabaseEntry& entry, FolderIndex& index,
                                  std::chrono::milliseconds wait);

// "ﾃﾞｰﾀﾍﾞｰｽに保存する": copies every photo of the open folder into a new
// numbered folder of the database and adds its row, tagged with the class and
// the machine, to the database index. The main window goes on showing the
// folder that was saved.
void saveOpenFolderToDatabase(AppContext& program);
