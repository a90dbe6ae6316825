// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/copy_photos.h"

#include "core/commands/app_context.h"
#include "core/commands/copy_files.h"
#include "core/commands/folder_recount.h"
#include "core/commands/selection.h"
#include "core/library/changeable_folder.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

void startCopy(AppContext& program) {
    if (!collectMarkedPhotosOrInform(program))
        return;
    program.view.showCopyTargetPrompt(true);
    program.state.copy.Pick = FolderPick::CopyTarget;
    program.state.copy.PickCount = program.state.selection.SelectedCount;
}

void completeCopy(AppContext& program, int destinationRow) {
    ProgramState& state = program.state;
    if (destinationRow < 1 || destinationRow > state.openClass.FolderTable.count())
        return;

    program.view.resetThumbnailScroll();
    // The scroll handler does this too when it runs; the destination opens on
    // its first page either way.
    state.folder.ThumbTopRow = 0;
    state.folder.PhotoFolder = photoFolderOfRow(state, destinationRow);
    const QStringList sources = collectedPaths(state, state.copy.PickCount);
    // A row whose directory is a link, a folder of the library itself or lies
    // outside the class folder gets no copies.
    const QString target =
        changeablePhotoFolderOfRow(program.services.files, state, destinationRow);
    const int notCopied = target.isEmpty()
                              ? int(sources.size())
                              : copyPhotosTo(program.services.files, sources, target + u'\\');

    const FolderRow destination = state.openClass.FolderTable[destinationRow];
    const int row = recountFolderIntoRow(program, destinationRow);
    if (row == 0)
        state.openClass.FolderTable.setPathRow(destination);
    state.copy.Pick = FolderPick::Open;
    state.openClass.CurrentFolderIndex = row;
    program.view.drawFolderList();
    loadFolder(program);
    state.folder.FolderTitle = state.openClass.FolderTable[row][ColTitle];
    program.view.drawFolderTitle();
    program.view.showCopyTargetPrompt(false);

    if (notCopied > 0)
        program.services.messages.inform(QStringLiteral("コピーできなかったしゃしんがあります。"));
}

void cancelCopy(AppContext& program) {
    program.state.copy.Pick = FolderPick::Open;
    program.view.drawFolderList();
    loadFolder(program);
    program.view.showCopyTargetPrompt(false);
}
