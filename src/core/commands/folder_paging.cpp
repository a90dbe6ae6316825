#include "core/commands/folder_paging.h"

#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"

#include <algorithm>

void pageFolderList(AppContext& program, int index) {
    ProgramState& state = program.state;
    const int pageSize = folderListRowsFor(state.ScreenWidthPx);
    if (index == 1) {
        if (state.FolderListTop + pageSize < state.FolderTable.count())
            state.FolderListTop += pageSize;
    } else {
        if (state.FolderListTop >= 1)
            state.FolderListTop -= pageSize;
        state.FolderListTop = std::max(state.FolderListTop, 0);
    }
    drawFolderList(program);
}
