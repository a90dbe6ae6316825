#include "folders/class_selection.h"

#include "folders/class_folder.h"
#include "main_window/app_context.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "state/class_names.h"
#include "state/program_state.h"
#include "state/screen_mode.h"

void chooseClass(AppContext& program, int buttonIndex) {
    ProgramState& state = program.state;
    state.ThumbColumns = thumbColumnsFor(state.ScreenWidthPx);
    state.ClassName = state.ClassNames[buttonIndex + 1];
    state.ClassSubFolder = classFolderName(buttonIndex);
    if (!program.services.messages.askYesNo(state.ClassName + QStringLiteral("でよろしいですか")))
        return;

    showClassFolderPanels(program);
    FileSystem& files = program.services.files;
    files.makeDirectory(state.ClassFolder);
    files.makeDirectory(state.ClassFolder + state.ClassSubFolder);
    state.ClassFolder += state.ClassSubFolder;
    openClassFolder(program);
}
