// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/browsing.h"

#include "core/commands/app_context.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"

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
    program.view.drawFolderList();
}

void scrollThumbnails(AppContext& program, int position) {
    program.state.ThumbTopRow = position;
    program.view.drawThumbnailPage();
}

void selectAllPhotos(AppContext& program) {
    ProgramState& state = program.state;
    bool anyUnmarked = false;
    for (int i = 1; i <= state.PhotoCount; ++i) {
        anyUnmarked = anyUnmarked || state.PhotoMarks[i] == 0;
        state.PhotoMarks[i] = 1;
    }
    if (!anyUnmarked)
        state.clearMarks(state.PhotoCount);
    program.view.drawMarkCaptions();
}

int toggleMarkOrPickToClip(AppContext& program, Qt::MouseButton button, QPoint pos) {
    ProgramState& state = program.state;
    if (state.Pick != FolderPick::Open)
        return 0;
    const int number = photoNumberAt(pos, {isLargeGrid(state.ScreenWidthPx), state.ThumbColumns,
                                           state.ThumbTopRow, state.PhotoCount});
    if (number == 0)
        return 0;
    if (button == Qt::RightButton)
        return number;
    state.PhotoMarks[number] = state.PhotoMarks[number] ? 0 : 1;
    program.view.drawMarkCaptions();
    return 0;
}
