// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/save_to_photo_drive.h"

#include "core/commands/app_context.h"
#include "core/commands/copy_files.h"
#include "core/commands/selection.h"
#include "core/files/photo_drive.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

void saveToPhotoDrive(AppContext& program) {
    if (!collectMarkedPhotosOrInform(program))
        return;
    MessageService& messages = program.services.messages;
    const ProgramState& state = program.state;
    const PhotoDrive drive = findPhotoDrive(program.services.files, state.settings.PhotoDrivePath);
    if (!drive.found) {
        messages.inform(NoCardMessage);
        return;
    }
    // Photos of the same name on the card are replaced.
    if (!messages.askYesNo(QStringLiteral("フロッピーディスクへ，ほぞんします？"),
                           QuestionDefault::No))
        return;

    if (copyPhotosTo(program.services.files, collectedPaths(state, state.selection.SelectedCount),
                     drive.path) > 0)
        messages.inform(QStringLiteral("ほぞんできなかったしゃしんがあります。"));
}
