#include "photo_ops/folder_recount.h"

#include "library/index_file.h"
#include "library/load_folder.h"
#include "main_window/program.h"
#include "platform/services.h"
#include "state/program_state.h"

void recountFolderIntoRow(Program& program, int row) {
    ProgramState& state = program.state;
    state.clearMarks(state.PhotoCount);
    // Counted by the same listing LoadFolder uses, so the reload that follows
    // finds the count it expects and keeps the date.
    state.PhotoCount =
        int(listPhotoPaths(program.services.files, state.PhotoFolder, MaxPhotos).size());
    QString& dateCount = state.FolderTable[row][ColDateCount];
    dateCount = dateAndCount(dateCount.left(10), state.PhotoCount);
    writeIndex(program.services.files, state.ClassFolder, state.FolderTable, state.FolderCount,
               state.FolderTableSource);
    state.clearMarks(state.PhotoCount);
    state.PhotoCount = 0;
}
