#include "core/commands/import_commands.h"

#include "core/commands/card_import.h"
#include "core/commands/folder_import.h"
#include "core/files/photo_drive.h"
#include "core/services/modal_runner.h"
#include "core/services/services.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/main_window/app_context.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

struct ModeLook {
    QString caption;
    int outerHeight;
};

ModeLook lookOf(FolderNameMode mode) {
    switch (mode) {
    case FolderNameMode::Rename:
        return {QStringLiteral("フォルダ名をかえる"), 143};
    case FolderNameMode::MakeFolder:
        return {QStringLiteral("フォルダを作る"), 101};
    case FolderNameMode::Import:
        break;
    }
    // Taller than the instruction box needs by the line that names the card.
    return {QStringLiteral("デジカメから，ファイルをとりこむ"), 232};
}

// "CARD に 36まい（あたらしい しゃしん 12まい）", or that no card is in.
QString photoDriveLine(const AppContext& program) {
    const FileSystem& files = program.services.files;
    const ProgramState& state = program.state;
    const PhotoDrive drive = findPhotoDrive(files, state.PhotoDrivePath);
    if (!drive.found)
        return QStringLiteral("カードがみつかりません。");
    const QList<CardPhoto> photos = listCardPhotos(files, drive.path);
    const CardImport import = sortOutCard(files, state.ClassFolder, state.FolderTable, photos);
    return QStringLiteral("%1 に %2まい（あたらしい しゃしん %3まい）")
        .arg(drive.name)
        .arg(photos.size())
        .arg(import.fresh.size());
}

} // namespace

void openFolderNameWindow(AppContext& program, FolderNameWindow& window, FolderNameMode mode) {
    ProgramState& state = program.state;
    const ModeLook look = lookOf(mode);
    window.nameEdit->setText(mode == FolderNameMode::Rename
                                 ? state.FolderTable[state.CurrentFolderIndex][ColTitle]
                                 : QString());
    window.photoDriveLine->setText(mode == FolderNameMode::Import ? photoDriveLine(program)
                                                                  : QString());
    window.setOuterHeight(look.outerHeight);
    window.setWindowTitle(look.caption);
    state.FolderNameWindowMode = mode;
    program.services.modals.runModal(window);
}

void runFolderNameWindow(AppContext& program, FolderNameWindow& window) {
    if (importMakeOrRenameFolder(program, window.nameEdit->text(), [&window](int done, int found) {
            window.showProgress(done, found);
        }))
        window.hide();
}
