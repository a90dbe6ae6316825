#include "folders/other_folder.h"

#include "browser/folder_list.h"
#include "browser/thumbnail_page.h"
#include "library/library_paths.h"
#include "library/load_folder.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform_gui/picture_box.h"
#include "state/program_state.h"

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
    state.PickMode = 0;
    state.CurrentFolderIndex = 0;
    state.FolderTitle = QStringLiteral("他のフォルダ");
    DrawFolderTitle(program);
    // No row of the list is the open folder any more.
    DrawFolderList(program);
    LoadFolder(program);
    program.form.Picture5->hide();
}
