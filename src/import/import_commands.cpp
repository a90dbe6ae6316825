#include "import/import_commands.h"

#include "import/card_photos.h"
#include "import/folder_import.h"
#include "import/form2.h"
#include "main_window/form1.h"
#include "main_window/program.h"
#include "platform/modal_runner.h"
#include "platform/photo_drive.h"
#include "platform/services.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The window is made at its first opening and afterwards only hidden and
// shown again.
Form2& form2Of(Program& program) {
    if (auto* existing =
            program.form.findChild<Form2*>(QStringLiteral("Form2"), Qt::FindDirectChildrenOnly))
        return *existing;
    auto* window = new Form2(&program.form);
    QObject::connect(window, &Form2::runRequested, window, [&program, window] {
        if (runForm2Command(program, window->Text1->text(),
                            [window](int done, int found) { window->showProgress(done, found); }))
            window->hide();
    });
    return *window;
}

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

// "CARD に 36まい", or that no card is in.
QString photoDriveLine(const Program& program) {
    const FileSystem& files = program.services.files;
    const PhotoDrive drive = findPhotoDrive(files, program.state.FloppyDrive);
    if (!drive.found)
        return QStringLiteral("カードがみつかりません。");
    return QStringLiteral("%1 に %2まい")
        .arg(drive.name)
        .arg(listCardPhotos(files, drive.path).size());
}

} // namespace

void openForm2(Program& program, Form2Modes mode) {
    ProgramState& state = program.state;
    Form2& window = form2Of(program);
    const ModeLook look = lookOf(mode);
    window.Text1->setText(
        mode == Form2Rename ? state.FolderTable[state.CurrentFolderIndex][ColTitle] : QString());
    window.Label6->setText(mode == Form2Import ? photoDriveLine(program) : QString());
    window.setOuterHeight(look.outerHeight);
    window.setWindowTitle(look.caption);
    state.Form2Mode = mode;
    program.services.modals.runModal(window);
}

void connectImportCommands(Program& program) {
    Form1& form = program.form;
    QObject::connect(form.MNUFILELOAD, &QAction::triggered, &form,
                     [&program] { openForm2(program, Form2Import); });
    QObject::connect(form.MNU_MKFOLDER, &QAction::triggered, &form,
                     [&program] { openForm2(program, Form2MakeFolder); });
    QObject::connect(form.Command4, &QPushButton::clicked, &form,
                     [&program] { openForm2(program, Form2Rename); });
}
