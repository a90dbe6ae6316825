#include "core/commands/other_folder.h"

#include "core/files/file_system.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/services/file_dialogs.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/picture_box.h"

void openFolderByPath(AppContext& program) {
    const std::optional<QString> chosen = program.services.dialogs.chooseImageFile(&program.form);
    if (!chosen)
        return;
    const QString folder = folderOf(program.services.files.drivePath(*chosen));
    if (folder.isEmpty())
        return;

    ProgramState& state = program.state;
    state.PhotoFolder = folder;
    state.clearMarks(state.PhotoCount);
    state.Pick = FolderPick::Open;
    state.CurrentFolderIndex = 0;
    state.FolderTitle = QStringLiteral("他のフォルダ");
    drawFolderTitle(program);
    // No row of the list is the open folder any more.
    drawFolderList(program);
    loadFolder(program);
    program.form.copyTargetPrompt->hide();
}
