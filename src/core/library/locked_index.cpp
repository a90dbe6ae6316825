#include "core/library/locked_index.h"

#include "core/files/file_system.h"
#include "core/library/index_file.h"
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
                              std::chrono::milliseconds wait) {
    if (!files.isDirectory(folder))
        return IndexUpdate::Missing;
    bool unwritable = false;
    const std::optional<FileLock> lock = files.lockFile(indexLockPathOf(folder), wait, &unwritable);
    if (!lock && !unwritable)
        return IndexUpdate::Busy;
    FolderIndex fresh = readIndex(files, indexPathOf(folder));
    // Shares fresh's rows until the change makes its own.
    FolderIndex changed = fresh;

    // A folder that cannot hold the lock file cannot take the index either;
    // it is still read, to show it as it is.
    IndexUpdate result = IndexUpdate::Unchanged;
    if (fresh.unreadable() || !lock)
        result = IndexUpdate::Failed;
    else if (change(changed))
        result = writeIndex(files, folder, changed) == IndexWrite::Written ? IndexUpdate::Written
                                                                           : IndexUpdate::Failed;
    index.replaceRows(result == IndexUpdate::Written ? std::move(changed) : std::move(fresh));
    return result;
}

IndexChange editRow(const QString& directory, int hint, std::function<void(FolderRow&)> edit) {
    return [directory, hint, edit = std::move(edit)](FolderIndex& index) {
        return hint != 0 && index.editRow(directory, hint, edit);
    };
}

bool isDatabaseOpen(const ProgramState& state) {
    return !state.DatabaseRoot.isEmpty() && state.ClassFolder == state.DatabaseRoot;
}

IndexUpdate rewriteOpenIndex(const LibraryContext& program, const IndexChange& change,
                             FailedWrite failedWrite) {
    ProgramState& state = program.state;
    FolderIndex index;
    const IndexUpdate result =
        updateIndexLocked(program.services.files, state.ClassFolder, change, index);
    if (result != IndexUpdate::Busy && result != IndexUpdate::Missing)
        adoptOpenIndex(state, std::move(index));
    // A class folder that is gone is a folder the index cannot be written in.
    const bool missingDatabase = result == IndexUpdate::Missing && isDatabaseOpen(state);
    const bool failed =
        result == IndexUpdate::Failed || (result == IndexUpdate::Missing && !missingDatabase);
    if (result == IndexUpdate::Busy)
        program.services.messages.inform(DatabaseBusyMessage);
    if (missingDatabase)
        program.services.messages.inform(DatabaseMissingMessage);
    if (failed && failedWrite == FailedWrite::Tell)
        program.services.messages.inform(IndexNotWrittenMessage);
    return result;
}

void adoptOpenIndex(ProgramState& state, FolderIndex index) {
    const int openRow = state.CurrentFolderIndex;
    const FolderRow open = state.FolderTable[openRow];
    state.FolderTable.replaceRows(std::move(index));
    if (openRow > 0) {
        state.CurrentFolderIndex = state.FolderTable.findRow(open[ColDirectory], openRow);
        if (state.CurrentFolderIndex == 0)
            state.FolderTable.setPathRow(open);
    }
}
