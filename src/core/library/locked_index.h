// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/program_state.h"

#include <QString>
#include <chrono>
#include <functional>

class FileSystem;
struct LibraryContext;

// The database index is shared by every machine of the school, and a class
// folder's by the machines of its class, so an index is only ever changed
// under a lock file beside it, from the index as it is on disk at that
// moment, never from a table read earlier.

inline const QString IndexLockFileName = QStringLiteral("IMGMAIN.TXT.lock");
inline constexpr std::chrono::milliseconds IndexLockWait{10'000};
inline const QString DatabaseBusyMessage =
    QStringLiteral("データベースがつかわれています。あとでもういちどためしてください。");
inline const QString DatabaseMissingMessage =
    QStringLiteral("データベースのフォルダがみつかりません。");
inline const QString IndexNotWrittenMessage =
    QStringLiteral("もくじのファイルにかきこめませんでした。");
inline const QString IndexRebuiltMessage =
    QStringLiteral("もくじのファイルがなかったので、フォルダからつくりなおしました。");

// The lock file beside folder's index.
QString indexLockPathOf(const QString& folder);

// A change to an index: edits the index in place through its operations and
// returns true, or returns false to leave the index as it is. It runs while
// the lock is held, so it does no more than a directory made.
using IndexChange = std::function<bool(FolderIndex& index)>;

enum class IndexUpdate {
    Written,   // the change was made and the index written
    Unchanged, // the change declined; nothing was written
    Busy,      // the lock was not had within the wait, or was lost to another machine
               // before the index was put in place; the index file is as it was
    Failed,    // the index could not be read or written; the file on disk is as it was
    Missing,   // the folder is not there or cannot be reached; nothing was read or written
};

// Takes the lock file beside folder's index, waiting up to wait; reads the
// index afresh; applies change; writes the index whole unless the lock was
// taken over meanwhile; lets the lock go. An index file found missing is
// recovered first (see readIndex and addRowsOfNumberedFolders) and written
// even when the change declines; rebuilt, when given, tells whether rows
// were made from the numbered folders alone, which the teacher is told.
// Afterwards index holds the index as it now is on disk (as read, when the
// change declined or the write failed); its row 0 stays. On Busy it is
// untouched. An index that exists but cannot be read is neither changed nor
// written (Failed, index unreadable). A folder that is not there is found
// before the lock is waited for.
IndexUpdate updateIndexLocked(const FileSystem& files, const QString& folder,
                              const IndexChange& change, FolderIndex& index,
                              std::chrono::milliseconds wait = IndexLockWait,
                              bool* rebuilt = nullptr);

// A change that finds the row of directory (see FolderIndex::findRow) and
// edits it; it declines when hint is 0 (a folder opened by path) or the row is
// gone.
IndexChange editRow(const QString& directory, int hint, std::function<void(FolderRow&)> edit);

// The database tree is open exactly when the class folder is the database
// folder.
bool isDatabaseOpen(const ProgramState& state);

// Whether rewriteOpenIndex tells the user of an index it could not write.
enum class FailedWrite { Tell, Silent };

// Rewrites ClassFolder's index with change through updateIndexLocked and
// shows the result (adoptOpenIndex). A class folder may lie on a network drive
// shared by the machines of one class, so its index takes the same lock as
// the database's. A busy lock is told to the user and changes nothing; so is,
// unless failedWrite is Silent, an index that could not be read or written,
// which stays as it was on disk, and a database folder that is not there.
IndexUpdate rewriteOpenIndex(const LibraryContext& program, const IndexChange& change,
                             FailedWrite failedWrite = FailedWrite::Tell);

// Reads ClassFolder's index into FolderTable. An index file found missing
// beside numbered folders is recovered under the lock (see
// updateIndexLocked), and the teacher told when its rows were made anew.
void readOpenIndex(const LibraryContext& program);

// Shows index, read afresh, as the open index: its rows replace
// FolderTable's, and CurrentFolderIndex follows the open folder's directory
// name (0, with the folder's old row as row 0, when another machine removed
// it).
void adoptOpenIndex(ProgramState& state, FolderIndex index);
