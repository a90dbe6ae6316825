#include "core/commands/import_commands.h"

#include "core/commands/app_context.h"
#include "core/commands/card_photos.h"
#include "core/files/photo_drive.h"
#include "core/services/services.h"

namespace {

// "CARD に 36まい", or that no card is in.
QString photoDriveLine(const AppContext& program) {
    const FileSystem& files = program.services.files;
    const PhotoDrive drive = findPhotoDrive(files, program.state.PhotoDrivePath);
    if (!drive.found)
        return QStringLiteral("カードがみつかりません。");
    return QStringLiteral("%1 に %2まい")
        .arg(drive.name)
        .arg(listCardPhotos(files, drive.path).size());
}

} // namespace

FolderNameStart startFolderName(AppContext& program, FolderNameMode mode) {
    ProgramState& state = program.state;
    state.FolderNameWindowMode = mode;
    return {mode == FolderNameMode::Rename ? state.FolderTable[state.CurrentFolderIndex][ColTitle]
                                           : QString(),
            mode == FolderNameMode::Import ? photoDriveLine(program) : QString()};
}
