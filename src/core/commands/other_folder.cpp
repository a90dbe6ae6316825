// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/other_folder.h"

#include "core/commands/app_context.h"
#include "core/files/file_system.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/services/file_dialogs.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

void openFolderByPath(AppContext& program) {
    const std::optional<QString> chosen = program.services.dialogs.chooseImageFile();
    if (!chosen)
        return;
    const QString folder = folderOf(program.services.files.drivePath(*chosen));
    if (folder.isEmpty())
        return;

    ProgramState& state = program.state;
    state.folder.PhotoFolder = folder;
    state.folder.clearMarks(state.folder.PhotoCount);
    state.copy.Pick = FolderPick::Open;
    state.openClass.CurrentFolderIndex = 0;
    state.folder.FolderTitle = QStringLiteral("他のフォルダ");
    program.view.drawFolderTitle();
    // No row of the list is the open folder any more.
    program.view.drawFolderList();
    loadFolder(program);
    program.view.showCopyTargetPrompt(false);
}
