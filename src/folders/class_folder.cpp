#include "folders/class_folder.h"

#include "browser/folder_list.h"
#include "library/library_paths.h"
#include "library/load_folder.h"
#include "library/locked_index.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "platform_gui/picture_box.h"
#include "state/program_state.h"

#include <QLabel>

void showClassFolderPanels(AppContext& program) {
    Form1& form = program.form;
    form.Picture3->hide();
    form.Picture1->show();
    form.Picture2->show();
    form.Label3->setText(program.state.ClassName);
    form.Label3->adjustSize();
}

void openClassFolder(AppContext& program) {
    ProgramState& state = program.state;
    readOpenIndex(program);
    // Its rows are not known, so it is shown empty and never written over.
    if (state.FolderTable.unreadable())
        program.services.messages.inform(QStringLiteral("もくじのファイルがよめません。"));
    state.FolderListTop = 0;
    if (state.FolderTable.count() > 0) {
        state.CurrentFolderIndex = 1;
        state.PhotoFolder = photoFolderOfRow(state, 1);
    }
    DrawFolderList(program);
    LoadFolder(program);
    program.form.showFolderCommands();
}
