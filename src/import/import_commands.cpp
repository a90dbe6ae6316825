#include "import/import_commands.h"

#include "import/folder_import.h"
#include "import/form2.h"
#include "import/photo_source.h"
#include "main_window/app_context.h"
#include "platform/modal_runner.h"
#include "platform/services.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

struct ModeLook {
    QString caption;
    int outerHeight;
};

ModeLook lookOf(Form2Modes mode) {
    switch (mode) {
    case Form2Rename:
        return {QStringLiteral("フォルダ名をかえる"), 143};
    case Form2MakeFolder:
        return {QStringLiteral("フォルダを作る"), 101};
    case Form2Import:
        break;
    }
    // Taller than the instruction box needs by the line that names the card.
    return {QStringLiteral("デジカメから，ファイルをとりこむ"), 232};
}

// "CARD に 36まい" or "iPad に 36まい", or that no card is in.
QString photoDriveLine(const AppContext& program) {
    const std::unique_ptr<PhotoSource> source =
        findPhotoSource(program.services.files, program.state.FloppyDrive);
    if (!source)
        return QStringLiteral("カードがみつかりません。");
    return QStringLiteral("%1 に %2まい")
        .arg(source->name())
        .arg(source->photos().value_or(QList<CardPhoto>()).size());
}

} // namespace

void openForm2(AppContext& program, Form2& window, Form2Modes mode) {
    ProgramState& state = program.state;
    const ModeLook look = lookOf(mode);
    window.Text1->setText(
        mode == Form2Rename ? state.FolderTable[state.CurrentFolderIndex][ColTitle] : QString());
    window.Label6->setText(mode == Form2Import ? photoDriveLine(program) : QString());
    window.setOuterHeight(look.outerHeight);
    window.setWindowTitle(look.caption);
    state.Form2Mode = mode;
    program.services.modals.runModal(window);
}

void runForm2(AppContext& program, Form2& window) {
    if (importMakeOrRenameFolder(program, window.Text1->text(), [&window](int done, int found) {
            window.showProgress(done, found);
        }))
        window.hide();
}
