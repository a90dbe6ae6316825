// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/locked_index.h"

#include "core/files/file_system.h"
#include "core/library/index_file.h"
#include "core/library/index_recovery.h"
#include "core/library/library_context.h"
#include "core/library/library_paths.h"
#include "core/services/message_service.h"
#include "core/services/services.h"

#include <utility>

QString indexLockPathOf(const QString& folder) {
    return folder.endsWith(u'\\') ? folder + IndexLockFileName
                                  : joinPath(folder, IndexLockFileName);
}

IndexUpdate updateIndexLocked(const FileSystem& files, const QString& folder,
                              const IndexChange& change, FolderIndex& index,
                              std::chrono::milliseconds wait, bool* rebuilt) {
    if (rebuilt)
        *rebuilt = false;
    if (!files.isDirectory(folder))
        return IndexUpdate::Missing;
    bool unwritable = false;
    const std::optional<FileLock> lock = files.lockFile(indexLockPathOf(folder), wait, &unwritable);
    if (!lock && !unwritable)
        return IndexUpdate::Busy;
    IndexOrigin origin = IndexOrigin::File;
    FolderIndex fresh = readIndex(files, indexPathOf(folder), &origin);
    // A missing index file is recovered, never written over: from the copy
    // an interrupted replacement left, and from the numbered folders.
    const int recoveredRows = origin == IndexOrigin::File || fresh.unreadable() || !lock
                                  ? 0
                                  : addRowsOfNumberedFolders(files, folder, fresh);
    const bool recovered = origin == IndexOrigin::Copy || recoveredRows > 0;
    // Shares fresh's rows until the change makes its own.
    FolderIndex changed = fresh;

    // A folder that cannot hold the lock file cannot take the index either;
    // it is still read, to show it as it is.
    IndexUpdate result = IndexUpdate::Unchanged;
    const bool changes = !fresh.unreadable() && lock && change(changed);
    if (fresh.unreadable() || !lock) {
        result = IndexUpdate::Failed;
    } else if (changes || recovered) {
        const IndexWrite written = writeIndex(files, folder, changes ? changed : fresh,
                                              [&lock] { return lock->isStillHeld(); });
        if (written == IndexWrite::Refused)
            return IndexUpdate::Busy;
        if (written != IndexWrite::Written)
            result = IndexUpdate::Failed;
        else if (changes)
            result = IndexUpdate::Written;
        if (rebuilt && written == IndexWrite::Written)
            *rebuilt = origin == IndexOrigin::Nowhere && recoveredRows > 0;
    }
    index.replaceRows(result == IndexUpdate::Written ? std::move(changed) : std::move(fresh));
    return result;
}

IndexChange editRow(const QString& directory, int hint, std::function<void(FolderRow&)> edit) {
    return [directory, hint, edit = std::move(edit)](FolderIndex& index) {
        return hint != 0 && index.editRow(directory, hint, edit);
    };
}

bool isDatabaseOpen(const ProgramState& state) {
    return !state.settings.DatabaseRoot.isEmpty() &&
           state.openClass.ClassFolder == state.settings.DatabaseRoot;
}

IndexUpdate rewriteOpenIndex(const LibraryContext& program, const IndexChange& change,
                             FailedWrite failedWrite) {
    ProgramState& state = program.state;
    FolderIndex index;
    bool rebuilt = false;
    const IndexUpdate result =
        updateIndexLocked(program.services.files, state.openClass.ClassFolder, change, index,
                          IndexLockWait, &rebuilt);
    if (result != IndexUpdate::Busy && result != IndexUpdate::Missing)
        adoptOpenIndex(state, std::move(index));
    // A class folder that is gone is a folder the index cannot be written in.
    const bool missingDatabase = result == IndexUpdate::Missing && isDatabaseOpen(state);
    const bool failed =
        result == IndexUpdate::Failed || (result == IndexUpdate::Missing && !missingDatabase);
    if (rebuilt)
        program.services.messages.inform(IndexRebuiltMessage);
    if (result == IndexUpdate::Busy)
        program.services.messages.inform(DatabaseBusyMessage);
    if (missingDatabase)
        program.services.messages.inform(DatabaseMissingMessage);
    if (failed && failedWrite == FailedWrite::Tell)
        program.services.messages.inform(IndexNotWrittenMessage);
    return result;
}

void readOpenIndex(const LibraryContext& program) {
    ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    IndexOrigin origin = IndexOrigin::File;
    state.openClass.FolderTable.replaceRows(
        readIndex(files, indexPathOf(state.openClass.ClassFolder), &origin));
    if (origin != IndexOrigin::File && hasNumberedFolders(files, state.openClass.ClassFolder))
        rewriteOpenIndex(
            program, [](FolderIndex&) { return false; }, FailedWrite::Silent);
}

void adoptOpenIndex(ProgramState& state, FolderIndex index) {
    const int openRow = state.openClass.CurrentFolderIndex;
    const FolderRow open = state.openClass.FolderTable[openRow];
    state.openClass.FolderTable.replaceRows(std::move(index));
    if (openRow > 0) {
        state.openClass.CurrentFolderIndex =
            state.openClass.FolderTable.findRow(open[ColDirectory], openRow);
        if (state.openClass.CurrentFolderIndex == 0)
            state.openClass.FolderTable.setPathRow(open);
    }
}
