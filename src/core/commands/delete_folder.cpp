// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/delete_folder.h"

#include "core/commands/app_context.h"
#include "core/commands/selection.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/changeable_folder.h"
#include "core/library/class_trash.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

#include <algorithm>

namespace {

IndexChange removeRow(const QString& directory, int position) {
    return [directory, position](FolderIndex& index) {
        const int row = index.findRow(directory, position);
        if (row == 0)
            return false;
        index.removeRow(row);
        return true;
    };
}

// The folder moves into the class's trash in the same hold of the lock that
// takes its row out, and back when the index cannot be written, so that its
// photos stay reachable from a row or from the trash. A row whose directory
// is no photo folder of its own (outside the class folder, a link, a class
// folder) loses only its row.
void trashOpenRow(AppContext& program) {
    ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    MessageService& messages = program.services.messages;
    const int position = state.openClass.CurrentFolderIndex;
    const QString folder = changeablePhotoFolderOfRow(files, state, position);
    const QString directory = state.openClass.FolderTable[position][ColDirectory];
    // Nothing is moved while the row could not be removed.
    if (state.openClass.FolderTable.unreadable() ||
        !files.isWritable(state.openClass.ClassFolder)) {
        messages.inform(IndexNotWrittenMessage);
        return;
    }
    if (folder.isEmpty()) {
        if (rewriteOpenIndex(program, removeRow(directory, position)) == IndexUpdate::Written)
            state.openClass.CurrentFolderIndex = position;
        return;
    }
    if (!files.isWritable(folder)) {
        messages.inform(SomePhotosStayedMessage);
        return;
    }
    program.services.thumbnails.forgetFolder(files.hostPath(folder));
    // The marks belonged to the photos, which the reload lists afresh.
    state.folder.clearMarks(state.folder.PhotoCount);
    FolderMove moved;
    const IndexUpdate update =
        rewriteOpenIndex(program, trashFolder(files, state.openClass.ClassFolder, directory,
                                              position, program.services.clock.now(), moved));
    if (finishFolderMove(files, update, moved, QString()))
        state.openClass.CurrentFolderIndex = position;
    else if (update == IndexUpdate::Unchanged)
        messages.inform(moved.unrecorded ? IndexNotWrittenMessage : SomePhotosStayedMessage);
}

} // namespace

void deleteOpenFolder(AppContext& program) {
    ProgramState& state = program.state;
    if (state.openClass.FolderTable.count() == 0)
        return;
    if (state.openClass.CurrentFolderIndex < 1 ||
        state.openClass.CurrentFolderIndex > state.openClass.FolderTable.count()) {
        program.services.messages.inform(QStringLiteral("このフォルダはけせません。"));
        return;
    }
    if (program.services.messages.askYesNo(QStringLiteral("フォルダをけしていいですか。"),
                                           QuestionDefault::No))
        trashOpenRow(program);

    if (state.openClass.FolderTable.count() > 0) {
        state.openClass.CurrentFolderIndex =
            std::min(state.openClass.CurrentFolderIndex, state.openClass.FolderTable.count());
        state.folder.PhotoFolder = photoFolderOfRow(state, state.openClass.CurrentFolderIndex);
    } else {
        // The last folder went: nothing is open, so the page and title are wiped.
        state.folder.PhotoFolder.clear();
        state.folder.FolderTitle.clear();
    }
    loadFolder(program);
    program.view.drawFolderList();
    state.folder.FolderTitle =
        state.openClass.FolderTable[state.openClass.CurrentFolderIndex][ColTitle];
    program.view.drawFolderTitle();
}
