// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/folder_recount.h"

#include "core/commands/app_context.h"
#include "core/library/index_file.h"
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

int recountFolderIntoRow(AppContext& program, int row) {
    ProgramState& state = program.state;
    const QString directory = state.openClass.FolderTable[row][ColDirectory];
    state.folder.clearMarks(state.folder.PhotoCount);
    // Counted by the same listing loadFolder uses, so the reload that follows
    // finds the count it expects and keeps the date. A folder that could not
    // be listed keeps its count.
    bool listed = false;
    state.folder.PhotoCount =
        int(listPhotoPaths(program.services.files, state.folder.PhotoFolder, MaxPhotos, &listed)
                .size());
    const int photoCount = state.folder.PhotoCount;
    if (listed)
        rewriteOpenIndex(program, editRow(directory, row, [photoCount](FolderRow& r) {
                             setStoredPhotoCount(r, photoCount);
                         }));
    state.folder.clearMarks(state.folder.PhotoCount);
    state.folder.PhotoCount = 0;
    return row == 0 ? 0 : state.openClass.FolderTable.findRow(directory, row);
}
