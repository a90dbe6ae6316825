#include "photo_ops/save_to_photo_drive.h"

#include "main_window/app_context.h"
#include "photo_ops/copy_files.h"
#include "photo_ops/selection.h"
#include "platform/message_service.h"
#include "platform/photo_drive.h"
#include "platform/services.h"
#include "state/program_state.h"

void saveToPhotoDrive(AppContext& program) {
    if (!collectMarkedPhotosOrInform(program))
        return;
    MessageService& messages = program.services.messages;
    const ProgramState& state = program.state;
    const PhotoDrive drive = findPhotoDrive(program.services.files, state.FloppyDrive);
    if (!drive.found) {
        messages.inform(NoCardMessage);
        return;
    }
    if (!messages.askYesNo(QStringLiteral("フロッピーディスクへ，ほぞんします？")))
        return;

    if (copyPhotosTo(program.services.files, collectedPaths(state, state.SelectedCount),
                     drive.path) > 0)
        messages.inform(QStringLiteral("ほぞんできなかったしゃしんがあります。"));
}
