// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/open_folder.h"

#include "core/commands/app_context.h"
#include "core/commands/browsing.h"
#include "core/commands/copy_photos.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/state/program_state.h"

void openFolderRow(AppContext& program, int k) {
    ProgramState& state = program.state;
    state.openClass.CurrentFolderIndex = k;
    state.folder.PhotoFolder = photoFolderOfRow(state, k);
    state.folder.clearMarks(state.folder.PhotoCount);
    state.folder.PhotoCount = 0;
    program.view.drawFolderList();
    if (state.folder.ThumbTopRow > 0) {
        program.view.resetThumbnailScroll();
        state.folder.ThumbTopRow = 0;
    }
    loadFolder(program);
}

void onFolderListMouseDown(AppContext& program, Qt::MouseButton, QPoint pos) {
    pickFolderRow(program, folderRowAt(program.state, pos.y()));
}

void pickFolderRow(AppContext& program, int k) {
    if (k == 0)
        return;
    if (program.state.copy.Pick == FolderPick::CopyTarget)
        completeCopy(program, k);
    else
        openFolderRow(program, k);
}
