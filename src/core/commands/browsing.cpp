// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/browsing.h"

#include "core/commands/app_context.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"

#include <algorithm>

int folderRowAt(const ProgramState& state, int y) {
    if (state.openClass.FolderTable.count() <= 0)
        return 0;
    const int row = state.openClass.FolderListTop + (y - 20) / 34;
    // A page scrolled past the last folder still gives a folder that exists.
    return std::min(std::max(row, state.openClass.FolderListTop + 1),
                    state.openClass.FolderTable.count());
}

void pageFolderList(AppContext& program, int index) {
    ProgramState& state = program.state;
    const int pageSize = folderListRowsFor(state.screen.ScreenWidthPx);
    if (index == 1) {
        if (state.openClass.FolderListTop + pageSize < state.openClass.FolderTable.count())
            state.openClass.FolderListTop += pageSize;
    } else {
        if (state.openClass.FolderListTop >= 1)
            state.openClass.FolderListTop -= pageSize;
        state.openClass.FolderListTop = std::max(state.openClass.FolderListTop, 0);
    }
    program.view.drawFolderList();
}

void scrollThumbnails(AppContext& program, int position) {
    program.state.folder.ThumbTopRow = position;
    program.view.drawThumbnailPage();
}

void selectAllPhotos(AppContext& program) {
    ProgramState& state = program.state;
    bool anyUnmarked = false;
    for (int i = 1; i <= state.folder.PhotoCount; ++i) {
        anyUnmarked = anyUnmarked || state.folder.PhotoMarks[i] == 0;
        state.folder.PhotoMarks[i] = 1;
    }
    if (!anyUnmarked)
        state.folder.clearMarks(state.folder.PhotoCount);
    program.view.drawMarkCaptions();
}

int toggleMarkOrPickToClip(AppContext& program, Qt::MouseButton button, QPoint pos) {
    ProgramState& state = program.state;
    if (state.copy.Pick != FolderPick::Open)
        return 0;
    const int number =
        photoNumberAt(pos, {isLargeGrid(state.screen.ScreenWidthPx), state.screen.ThumbColumns,
                            state.folder.ThumbTopRow, state.folder.PhotoCount});
    if (number == 0)
        return 0;
    if (button == Qt::RightButton)
        return number;
    state.folder.PhotoMarks[number] = state.folder.PhotoMarks[number] ? 0 : 1;
    program.view.drawMarkCaptions();
    return 0;
}
