// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/class_selection.h"

#include "core/commands/app_context.h"
#include "core/commands/class_folder.h"
#include "core/files/file_system.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/class_names.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"

void chooseClass(AppContext& program, int buttonIndex) {
    ProgramState& state = program.state;
    state.screen.ThumbColumns = thumbColumnsFor(state.screen.ScreenWidthPx);
    state.openClass.ClassName = state.openClass.ClassNames[buttonIndex + 1];
    state.openClass.ClassSubFolder = classFolderName(buttonIndex);
    if (!program.services.messages.askYesNo(state.openClass.ClassName +
                                            QStringLiteral("でよろしいですか")))
        return;

    showClassFolderPanels(program);
    FileSystem& files = program.services.files;
    files.makeDirectory(state.openClass.ClassFolder);
    files.makeDirectory(state.openClass.ClassFolder + state.openClass.ClassSubFolder);
    state.openClass.ClassFolder += state.openClass.ClassSubFolder;
    openClassFolder(program);
}
