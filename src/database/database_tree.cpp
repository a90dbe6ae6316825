#include "database/database_tree.h"

#include "browser/folder_list.h"
#include "database/database_folder_check.h"
#include "folders/open_folder.h"
#include "library/library_paths.h"
#include "library/locked_index.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "platform_gui/picture_box.h"
#include "state/program_state.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>

namespace {

const QString ToDatabase = QStringLiteral("データベースに切りかえ");
const QString FromDatabase = QStringLiteral("データベースからもどる");

void setHeading(Form1& form, const QString& text) {
    form.Label3->setText(text);
    form.Label3->adjustSize();
}

// An empty tree shows nothing, so nothing of the folder left behind may be
// acted on either.
void showEmptyTree(AppContext& program) {
    ProgramState& state = program.state;
    state.clearMarks(state.PhotoCount);
    state.PhotoCount = 0;
    state.PhotoFolder.clear();
    state.FolderTitle.clear();
    state.CurrentFolderIndex = 0;
    state.ThumbTopRow = 0;
    program.form.VScroll1->setValue(0);
    program.form.VScroll1->setMaximum(0);
    DrawFolderList(program);
    program.form.Picture1->clear();
}

} // namespace

void switchDatabaseTree(AppContext& program) {
    ProgramState& state = program.state;
    Form1& form = program.form;
    if (state.DatabaseRoot.isEmpty()) {
        program.services.messages.inform(
            QStringLiteral("データベースのフォルダがきまっていません。"));
        return;
    }
    if (!isDatabaseOpen(state)) {
        if (!checkDatabaseFolder(program))
            return;
        form.mnudrvchg->setText(FromDatabase);
        state.ClassFolder = state.DatabaseRoot;
        setHeading(form, QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽ"));
    } else {
        form.mnudrvchg->setText(ToDatabase);
        state.SaveRoot = saveRootOf(state);
        state.ClassFolder = state.ClassSubFolder.isEmpty()
                                ? state.SaveRoot
                                : state.SaveRoot + state.ClassSubFolder + u'\\';
        setHeading(form, state.ClassName);
    }
    readOpenIndex(program);
    // Its rows are not known, so it is shown empty and never written over.
    if (state.FolderTable.unreadable())
        program.services.messages.inform(QStringLiteral("もくじのファイルがよめません。"));
    state.FolderListTop = 0;
    if (state.FolderTable.count() == 0)
        showEmptyTree(program);
    else
        openFolderRow(program, 1);
}
