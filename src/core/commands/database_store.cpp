// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/database_store.h"

#include "core/files/file_system.h"
#include "core/files/photo_files.h"
#include "core/library/folder_names.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/locked_index.h"
#include "core/library/numbered_folder.h"
#include "core/library/storable_name.h"

#include <vector>

namespace {

const QString CopyingPrefix = QStringLiteral("IMGMAIN.TXT.copying.");

// Makes the row of directory tell the photos it holds, once the temporary
// files of copies stopped half way are gone.
void countArrivedPhotos(const FileSystem& files, const QString& databaseRoot,
                        const QString& directory, FolderIndex& index) {
    const QString folder = joinPath(databaseRoot, directory);
    files.removeCopyTemporaries(folder, photoFilePatterns());
    bool listed = false;
    const qsizetype present = listPhotoFiles(files, folder, &listed).size();
    if (!listed)
        return;
    index.editRow(directory, index.count(),
                  [&present](FolderRow& row) { setStoredPhotoCount(row, int(present)); });
}

// Finishes the saves whose copies were left under way by a machine that
// stopped: each one's mark is taken over, its folder cleaned and counted.
// The marks stay held until the index holding the counts is written.
void finishAbandonedSaves(const FileSystem& files, const QString& databaseRoot, FolderIndex& index,
                          std::vector<FileLock>& finished) {
    for (const QString& name : files.listDirectories(databaseRoot)) {
        const QString directory = name.mid(CopyingPrefix.size());
        if (!name.startsWith(CopyingPrefix, Qt::CaseInsensitive) ||
            !isPlainDirectoryName(directory))
            continue;
        // Marks are made only under the index lock, which this save holds, so
        // one still without its owner record is no maker's between its two
        // steps: the maker was cut off (a server gone, or a lost answer), and
        // the empty mark goes at once instead of after the grace a later look
        // in this same process would need.
        const QString markPath = copyingLockPathOf(databaseRoot, directory);
        files.removeDirectory(markPath);
        std::optional<FileLock> mark = files.lockFile(markPath, std::chrono::milliseconds(0));
        if (!mark)
            continue;
        countArrivedPhotos(files, databaseRoot, directory, index);
        finished.push_back(std::move(*mark));
    }
}

// Lets the marks go once the index tells what their folders hold, and leaves
// them for a later save otherwise.
void settle(std::vector<FileLock>& marks, IndexUpdate update) {
    for (FileLock& mark : marks) {
        if (update != IndexUpdate::Written)
            mark.leave();
    }
    marks.clear();
}

} // namespace

QString copyingLockPathOf(const QString& databaseRoot, const QString& directory) {
    return joinPath(databaseRoot, CopyingPrefix + directory);
}

DatabaseSaveResult saveFolderToDatabase(const FileSystem& files, const QString& databaseRoot,
                                        const DatabaseEntry& entry, FolderIndex& index,
                                        std::chrono::milliseconds wait) {
    DatabaseSaveResult result;
    bool listed = false;
    const QStringList names = listPhotoFiles(files, entry.source, &listed);
    if (!listed) {
        result.outcome = DatabaseSave::Unlisted;
        return result;
    }
    // The copies, which take long, come after the row is written; a directory
    // whose row could not be written goes again.
    FolderRow row;
    row[ColDateCount] = dateAndCount(entry.date, int(names.size()));
    row[ColTitle] = entry.title;
    row[ColRemark] = entry.remark;
    NumberedFolder added;
    const IndexChange addFolder = addNumberedFolder(files, databaseRoot, entry.title, row, added);
    std::vector<FileLock> finished;
    std::optional<FileLock> copying;
    const IndexChange addRow = [&](FolderIndex& fresh) {
        finishAbandonedSaves(files, databaseRoot, fresh, finished);
        if (!addFolder(fresh))
            return false;
        copying = files.lockFile(copyingLockPathOf(databaseRoot, added.directory),
                                 std::chrono::milliseconds(0));
        return copying.has_value();
    };
    const IndexUpdate update =
        updateIndexLocked(files, databaseRoot, addRow, index, wait, &result.indexRebuilt);
    settle(finished, update);
    const QString destination = joinPath(databaseRoot, added.directory);
    if (update != IndexUpdate::Written) {
        copying.reset();
        if (added.made)
            files.removeDirectory(destination);
        switch (update) {
        case IndexUpdate::Busy:
            result.outcome = DatabaseSave::Busy;
            break;
        case IndexUpdate::Missing:
            result.outcome = DatabaseSave::Missing;
            break;
        default:
            result.outcome = added.full ? DatabaseSave::Full : DatabaseSave::Failed;
        }
        return result;
    }

    int copied = 0;
    for (const QString& name : names) {
        copying->renew();
        if (files.copyFileIn(entry.source, name, joinPath(destination, storablePhotoName(name))))
            ++copied;
    }
    result.notCopied = int(names.size()) - copied;
    result.outcome = result.notCopied == 0 ? DatabaseSave::Saved : DatabaseSave::SomeNotCopied;

    // With every photo there the row is right already; a folder with photos
    // missing gets its row set to those that arrived. Until the folder is
    // clean and its row right, the mark stays for a later save to finish.
    // A mark another machine took over while the copies stalled may have had
    // its row set to the photos there were then; the row is set again.
    if (result.notCopied == 0 && copying->isStillHeld()) {
        if (!files.removeCopyTemporaries(destination, photoFilePatterns()))
            copying->leave();
        return result;
    }
    const IndexUpdate counted = updateIndexLocked(
        files, databaseRoot,
        [&](FolderIndex& fresh) {
            finishAbandonedSaves(files, databaseRoot, fresh, finished);
            countArrivedPhotos(files, databaseRoot, added.directory, fresh);
            return true;
        },
        index, wait);
    settle(finished, counted);
    if (counted != IndexUpdate::Written)
        copying->leave();
    return result;
}
