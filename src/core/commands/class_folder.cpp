// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/class_folder.h"

#include "core/commands/app_context.h"
#include "core/library/class_trash.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

void showClassFolderPanels(AppContext& program) {
    program.view.showClassFolderPanels();
    program.view.setFolderListHeading(program.state.openClass.ClassName);
}

void openClassFolder(AppContext& program) {
    ProgramState& state = program.state;
    cleanTrash(program.services.files, state.openClass.ClassFolder, program.services.clock.now());
    readOpenIndex(program);
    // Its rows are not known, so it is shown empty and never written over.
    if (state.openClass.FolderTable.unreadable())
        program.services.messages.inform(QStringLiteral("もくじのファイルがよめません。"));
    state.openClass.FolderListTop = 0;
    if (state.openClass.FolderTable.count() > 0) {
        state.openClass.CurrentFolderIndex = 1;
        state.folder.PhotoFolder = photoFolderOfRow(state, 1);
    }
    program.view.drawFolderList();
    loadFolder(program);
    program.view.showFolderCommands();
}
