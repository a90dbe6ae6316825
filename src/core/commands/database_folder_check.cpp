// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/database_folder_check.h"

#include "core/commands/app_context.h"
#include "core/files/file_system.h"
#include "core/library/locked_index.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

namespace {
const QString PrivateDatabaseMessage =
    QStringLiteral("データベースは このコンピュータの なかだけに あります。"
                   "ほかの コンピュータからは みえません。");
} // namespace

bool checkDatabaseFolder(AppContext& program) {
    const QString& folder = program.state.settings.DatabaseRoot;
    const FileSystem& files = program.services.files;
    if (!files.isDirectory(folder)) {
        program.services.messages.inform(DatabaseMissingMessage);
        return false;
    }
    if (files.isOnPrivateDrive(folder))
        program.services.messages.inform(PrivateDatabaseMessage);
    return true;
}
