#include "folders/open_folder.h"

#include "browser/folder_list.h"
#include "folders/folder_hit_test.h"
#include "library/library_paths.h"
#include "library/load_folder.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "photo_ops/copy_photos.h"
#include "state/program_state.h"

#include <QScrollBar>

void openFolderRow(AppContext& program, int k) {
    ProgramState& state = program.state;
    state.CurrentFolderIndex = k;
    state.PhotoFolder = photoFolderOfRow(state, k);
    state.clearMarks(state.PhotoCount);
    state.PhotoCount = 0;
    DrawFolderList(program);
    if (state.ThumbTopRow > 0) {
        program.form.VScroll1->setValue(0);
        state.ThumbTopRow = 0;
    }
    LoadFolder(program);
}

void onFolderListMouseDown(AppContext& program, Qt::MouseButton, QPoint pos) {
    const int k = folderRowAt(program.state, pos.y());
    if (k == 0)
        return;
    if (program.state.PickMode == 1)
        completeCopy(program, k);
    else
        openFolderRow(program, k);
}
