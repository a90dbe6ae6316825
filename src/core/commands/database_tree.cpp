// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/database_tree.h"

#include "core/commands/app_context.h"
#include "core/commands/database_folder_check.h"
#include "core/commands/open_folder.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/locked_index.h"
#include "core/library/save_root.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

namespace {

const QString ToDatabase = QStringLiteral("データベースに切りかえ");
const QString FromDatabase = QStringLiteral("データベースからもどる");

// An empty tree shows nothing, so nothing of the folder left behind may be
// acted on either.
void showEmptyTree(AppContext& program) {
    ProgramState& state = program.state;
    state.folder.clearMarks(state.folder.PhotoCount);
    state.folder.PhotoCount = 0;
    state.folder.PhotoFolder.clear();
    state.folder.FolderTitle.clear();
    state.openClass.CurrentFolderIndex = 0;
    state.folder.ThumbTopRow = 0;
    program.view.drawFolderList();
    program.view.clearThumbnailPage();
}

} // namespace

void switchDatabaseTree(AppContext& program) {
    ProgramState& state = program.state;
    if (state.settings.DatabaseRoot.isEmpty()) {
        program.services.messages.inform(
            QStringLiteral("データベースのフォルダがきまっていません。"));
        return;
    }
    if (!isDatabaseOpen(state)) {
        if (!checkDatabaseFolder(program))
            return;
        program.view.setDatabaseSwitchCaption(FromDatabase);
        state.openClass.ClassFolder = state.settings.DatabaseRoot;
        program.view.setFolderListHeading(QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽ"));
    } else {
        program.view.setDatabaseSwitchCaption(ToDatabase);
        rebuildSaveRoot(state, program.services.files);
        rebuildClassFolder(state, program.services.files);
        program.view.setFolderListHeading(state.openClass.ClassName);
    }
    readOpenIndex(program);
    // Its rows are not known, so it is shown empty and never written over.
    if (state.openClass.FolderTable.unreadable())
        program.services.messages.inform(QStringLiteral("もくじのファイルがよめません。"));
    state.openClass.FolderListTop = 0;
    if (state.openClass.FolderTable.count() == 0)
        showEmptyTree(program);
    else
        openFolderRow(program, 1);
}
