// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/delete_photos.h"

#include "core/commands/app_context.h"
#include "core/commands/folder_recount.h"
#include "core/commands/selection.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/changeable_folder.h"
#include "core/library/load_folder.h"
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
            QStringLiteral("しゃしんをさくじょ（けす）してよろしいですか？")))
        return;

    ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    // A photo that cannot be deleted stays; the recount shows what is left.
    // One that was gone already is not missed.
    bool somePhotoStayed = false;
    for (const QString& path : collectedPaths(state, state.selection.SelectedCount)) {
        if (!files.removeFile(path) && files.exists(path))
            somePhotoStayed = true;
        program.services.thumbnails.forget(files.hostPath(path));
    }
    recountFolderIntoRow(program, state.openClass.CurrentFolderIndex);
    program.view.drawFolderList();
    loadFolder(program);
    if (somePhotoStayed)
        program.services.messages.inform(SomePhotosStayedMessage);
}
