#include "core/commands/open_folder.h"

#include "core/commands/copy_photos.h"
#include "core/geometry/folder_hit_test.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/state/program_state.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"

#include <QScrollBar>

void openFolderRow(AppContext& program, int k) {
    ProgramState& state = program.state;
    state.CurrentFolderIndex = k;
    state.PhotoFolder = photoFolderOfRow(state, k);
    state.clearMarks(state.PhotoCount);
    state.PhotoCount = 0;
    drawFolderList(program);
    if (state.ThumbTopRow > 0) {
        program.form.thumbnailScroll->setValue(0);
        state.ThumbTopRow = 0;
    }
    loadFolder(program);
}

void onFolderListMouseDown(AppContext& program, Qt::MouseButton, QPoint pos) {
    pickFolderRow(program, folderRowAt(program.state, pos.y()));
}

void pickFolderRow(AppContext& program, int k) {
    if (k == 0)
        return;
    if (program.state.Pick == FolderPick::CopyTarget)
        completeCopy(program, k);
    else
        openFolderRow(program, k);
}
