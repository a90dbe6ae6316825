// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/delete_photos.h"

#include "core/commands/app_context.h"
#include "core/commands/folder_recount.h"
#include "core/commands/selection.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/changeable_folder.h"
#include "core/library/class_trash.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

namespace {

// The photos go only from a folder that is what it seems: a row's own photo
// folder (as delete-folder and copy ask), or a folder opened by path that is
// no link. Through a link they would go from wherever it points.
bool isChangeableOpenFolder(const AppContext& program) {
    const ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    if (state.openClass.CurrentFolderIndex == 0)
        return !files.isLink(state.folder.PhotoFolder);
    return !changeablePhotoFolderOfRow(files, state, state.openClass.CurrentFolderIndex).isEmpty();
}

} // namespace

void deletePhotos(AppContext& program) {
    if (!collectMarkedPhotosOrInform(program))
        return;
    if (!isChangeableOpenFolder(program)) {
        program.services.messages.inform(QStringLiteral("このフォルダのしゃしんはけせません。"));
        return;
    }
    if (!program.services.messages.askYesNo(
            QStringLiteral("しゃしんをさくじょ（けす）してよろしいですか？"), QuestionDefault::No))
        return;

    ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    const QStringList paths = collectedPaths(state, state.selection.SelectedCount);
    // A photo that cannot be moved stays; the recount shows what is left.
    // One that was gone already is not missed.
    bool somePhotoStayed = false;
    if (state.openClass.CurrentFolderIndex == 0) {
        // A folder opened by its path belongs to no class and has no trash.
        for (const QString& path : paths) {
            if (!files.removeFile(path) && files.exists(path))
                somePhotoStayed = true;
            program.services.thumbnails.forget(files.hostPath(path));
        }
    } else {
        const std::optional<FileLock> lock =
            files.lockFile(indexLockPathOf(state.openClass.ClassFolder), IndexLockWait);
        if (!lock) {
            program.services.messages.inform(DatabaseBusyMessage);
            return;
        }
        const FolderRow row = state.openClass.FolderTable[state.openClass.CurrentFolderIndex];
        const QDateTime now = program.services.clock.now();
        for (const QString& path : paths) {
            if (!trashPhoto(files, state.openClass.ClassFolder, row, fileNameOf(path), now) &&
                files.exists(path))
                somePhotoStayed = true;
            program.services.thumbnails.forget(files.hostPath(path));
        }
    }
    recountFolderIntoRow(program, state.openClass.CurrentFolderIndex);
    program.view.drawFolderList();
    loadFolder(program);
    if (somePhotoStayed)
        program.services.messages.inform(SomePhotosStayedMessage);
}
