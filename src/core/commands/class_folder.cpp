#include "core/commands/class_folder.h"

#include "core/library/class_trash.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/picture_box.h"

#include <QLabel>

void showClassFolderPanels(AppContext& program) {
    MainWindow& form = program.form;
    form.classPanel->hide();
    form.thumbnailPanel->show();
    form.folderList->show();
    form.classHeading->setText(program.state.ClassName);
    form.classHeading->adjustSize();
}

void openClassFolder(AppContext& program) {
    ProgramState& state = program.state;
    cleanTrash(program.services.files, state.ClassFolder, program.services.clock.now());
    state.FolderTable.replaceRows(
        readIndex(program.services.files, indexPathOf(state.ClassFolder)));
    // Its rows are not known, so it is shown empty and never written over.
    if (state.FolderTable.unreadable())
        program.services.messages.inform(QStringLiteral("もくじのファイルがよめません。"));
    state.FolderListTop = 0;
    if (state.FolderTable.count() > 0) {
        state.CurrentFolderIndex = 1;
        state.PhotoFolder = photoFolderOfRow(state, 1);
    }
    drawFolderList(program);
    loadFolder(program);
    program.form.showFolderCommands();
}
