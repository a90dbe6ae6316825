#include "library/locked_index.h"

#include "library/index_file.h"
#include "library/library_context.h"
#include "library/library_paths.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/services.h"

#include <algorithm>
#include <memory>

QString indexLockPathOf(const QString& folder) {
    return folder.endsWith(u'\\') ? folder + IndexLockFileName
                                  : joinPath(folder, IndexLockFileName);
}

IndexUpdate updateIndexLocked(const FileSystem& files, const QString& folder,
                              const IndexChange& change, FolderRows& table, int& count,
                              IndexSource& source, std::chrono::milliseconds wait) {
    if (!files.isDirectory(folder))
        return IndexUpdate::Missing;
    bool unwritable = false;
    const std::optional<FileLock> lock = files.lockFile(indexLockPathOf(folder), wait, &unwritable);
    if (!lock && !unwritable)
        return IndexUpdate::Busy;
    auto fresh = std::make_unique<FolderRows>();
    IndexSource freshSource;
    const int freshCount = readIndex(files, indexPathOf(folder), *fresh, freshSource);
    auto changed = std::make_unique<FolderRows>(*fresh);
    IndexSource changedSource = freshSource;
    int changedCount = freshCount;

    // A folder that cannot hold the lock file cannot take the index either;
    // it is still read, to show it as it is.
    IndexUpdate result = IndexUpdate::Unchanged;
    if (freshSource.unreadable || !lock)
        result = IndexUpdate::Failed;
    else if (change(*changed, changedCount, changedSource))
        result =
            writeIndex(files, folder, *changed, changedCount, changedSource) == IndexWrite::Written
                ? IndexUpdate::Written
                : IndexUpdate::Failed;
    const bool keepChange = result == IndexUpdate::Written;
    table = keepChange ? *changed : *fresh;
    count = keepChange ? changedCount : freshCount;
    source = keepChange ? std::move(changedSource) : std::move(freshSource);
    return result;
}

int findRowByDirectory(const FolderRows& table, int count, const QString& directory, int hint) {
    if (hint >= 1 && hint <= count && table[hint][ColDirectory] == directory)
        return hint;
    for (int row = 1; row <= count; ++row) {
        if (table[row][ColDirectory] == directory)
            return row;
    }
    return 0;
}

IndexChange editRow(const QString& directory, int hint, std::function<void(FolderRow&)> edit) {
    return [directory, hint, edit = std::move(edit)](FolderRows& table, int& count, IndexSource&) {
        if (hint == 0)
            return false;
        const int row = findRowByDirectory(table, count, directory, hint);
        if (row == 0)
            return false;
        edit(table[row]);
        return true;
    };
}

bool isDatabaseOpen(const ProgramState& state) {
    return !state.DatabaseRoot.isEmpty() && state.ClassFolder == state.DatabaseRoot;
}

IndexUpdate rewriteOpenIndex(const LibraryContext& program, const IndexChange& change,
                             FailedWrite failedWrite) {
    ProgramState& state = program.state;
    auto table = std::make_unique<FolderRows>();
    int count = 0;
    IndexSource source;
    const IndexUpdate result =
        updateIndexLocked(program.services.files, state.ClassFolder, change, *table, count, source);
    if (result != IndexUpdate::Busy && result != IndexUpdate::Missing)
        adoptOpenIndex(state, *table, count, source);
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

void adoptOpenIndex(ProgramState& state, const FolderRows& table, int count,
                    const IndexSource& source) {
    const int openRow = state.CurrentFolderIndex;
    const FolderRow open = state.FolderTable[openRow];
    // Row 0 stands for a folder opened by path and is no part of the index.
    std::copy(table.begin() + 1, table.end(), state.FolderTable.begin() + 1);
    state.FolderCount = count;
    state.FolderTableSource = source;
    if (openRow > 0) {
        state.CurrentFolderIndex =
            findRowByDirectory(state.FolderTable, count, open[ColDirectory], openRow);
        if (state.CurrentFolderIndex == 0)
            state.FolderTable[0] = open;
    }
}
