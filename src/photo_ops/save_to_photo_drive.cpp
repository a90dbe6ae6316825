#include "photo_ops/save_to_photo_drive.h"

#include "main_window/program.h"
#include "photo_ops/copy_files.h"
#include "photo_ops/selection.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "state/program_state.h"

void saveToPhotoDrive(Program& program) {
    if (!collectMarkedPhotosOrInform(program))
        return;
    MessageService& messages = program.services.messages;
    if (!messages.askYesNo(QStringLiteral("フロッピーディスクへ，ほぞんします？")))
        return;

    const ProgramState& state = program.state;
    if (copyPhotosTo(program.services.files, collectedPaths(state, state.SelectedCount),
                     state.FloppyDrive) > 0)
        messages.inform(QStringLiteral("ほぞんできなかったしゃしんがあります。"));
}
