#include "database/database_folder_check.h"

#include "library/locked_index.h"
#include "main_window/app_context.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "state/program_state.h"

namespace {
const QString PrivateDatabaseMessage =
    QStringLiteral("データベースは このコンピュータの なかだけに あります。"
                   "ほかの コンピュータからは みえません。");
} // namespace

bool checkDatabaseFolder(AppContext& program) {
    const QString& folder = program.state.DatabaseRoot;
    const FileSystem& files = program.services.files;
    if (!files.isDirectory(folder)) {
        program.services.messages.inform(DatabaseMissingMessage);
        return false;
    }
    if (files.isOnPrivateDrive(folder))
        program.services.messages.inform(PrivateDatabaseMessage);
    return true;
}
