#include "photo_ops/folder_recount.h"

#include "library/index_file.h"
#include "library/load_folder.h"
#include "library/locked_index.h"
#include "main_window/app_context.h"
#include "platform/services.h"
#include "state/program_state.h"

int recountFolderIntoRow(AppContext& program, int row) {
    ProgramState& state = program.state;
    const QString directory = state.FolderTable[row][ColDirectory];
    state.clearMarks(state.PhotoCount);
    // Counted by the same listing LoadFolder uses, so the reload that follows
    // finds the count it expects and keeps the date. A folder that could not
    // be listed keeps its count.
    bool listed = false;
    state.PhotoCount =
        int(listPhotoPaths(program.services.files, state.PhotoFolder, MaxPhotos, &listed).size());
    const int photoCount = state.PhotoCount;
    if (listed)
        rewriteOpenIndex(program, editRow(directory, row, [photoCount](FolderRow& r) {
                             r[ColDateCount] = dateAndCount(r[ColDateCount].left(10), photoCount);
                         }));
    state.clearMarks(state.PhotoCount);
    state.PhotoCount = 0;
    return row == 0 ? 0 : state.FolderTable.findRow(directory, row);
}
