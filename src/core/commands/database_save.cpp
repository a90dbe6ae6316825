// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/database_save.h"

#include "core/commands/app_context.h"
#include "core/commands/database_folder_check.h"
#include "core/files/file_system.h"
#include "core/library/folder_names.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/locked_index.h"
#include "core/library/numbered_folder.h"
#include "core/library/storable_name.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/services.h"

namespace {

// The database folder's name is made from the title, so a title that an
// index brought in must not be able to name anything outside the database.
bool canSave(AppContext& program) {
    const ProgramState& state = program.state;
    MessageService& messages = program.services.messages;
    if (state.settings.DatabaseRoot.isEmpty()) {
        messages.inform(QStringLiteral("データベースのフォルダがきまっていません。"));
        return false;
    }
    if (!checkDatabaseFolder(program))
        return false;
    if (state.folder.PhotoFolder.isEmpty()) {
        messages.inform(QStringLiteral("ほぞんするフォルダがひらかれていません。"));
        return false;
    }
    if (!isUsableFolderTitle(state.folder.FolderTitle)) {
        messages.inform(QStringLiteral("フォルダ名につかえないもじがあります。"));
        return false;
    }
    return true;
}

QString messageOf(const DatabaseSaveResult& result) {
    switch (result.outcome) {
    case DatabaseSave::Saved:
        break;
    case DatabaseSave::SomeNotCopied:
        return QStringLiteral("保存できなかったしゃしんが%1まいあります。").arg(result.notCopied);
    case DatabaseSave::Busy:
        return DatabaseBusyMessage;
    case DatabaseSave::Missing:
        return DatabaseMissingMessage;
    case DatabaseSave::Full:
        return QStringLiteral("これいじょうフォルダをつくれません。");
    case DatabaseSave::Failed:
    case DatabaseSave::Unlisted:
        return QStringLiteral("データベースに保存できませんでした。");
    }
    return QStringLiteral("保存しました");
}

} // namespace

QString machineTag(int pcNumber) {
    if (pcNumber == 999)
        return QStringLiteral(" 先生");
    if (pcNumber > 0)
        return QStringLiteral(" PC") + (u'0' + QString::number(pcNumber)).right(2);
    return {};
}

void saveOpenFolderToDatabase(AppContext& program) {
    ProgramState& state = program.state;
    MessageService& messages = program.services.messages;
    if (!canSave(program))
        return;
    if (!messages.askYesNo(QStringLiteral("データベースに保存します。"))) {
        messages.beep();
        return;
    }
    const DatabaseEntry entry{state.folder.PhotoFolder, state.folder.FolderTitle,
                              state.openClass.ClassName + machineTag(state.settings.PcNumber),
                              program.services.clock.dateText()};
    // The save, copies and all, runs away from the window, on its own copy
    // of what it needs.
    const FileSystem& files = program.services.files;
    const QString databaseRoot = state.settings.DatabaseRoot;
    FolderIndex written;
    DatabaseSaveResult result;
    program.view.runBesideWindow(
        [&] { result = saveFolderToDatabase(files, databaseRoot, entry, written, IndexLockWait); });
    const DatabaseSave outcome = result.outcome;
    if (outcome != DatabaseSave::Busy && outcome != DatabaseSave::Unlisted &&
        outcome != DatabaseSave::Missing) {
        state.openClass.DbFolderTable.replaceRows(std::move(written));
        // While the database tree is open, the list takes the index as
        // written, so that no later rewrite of the open index can lose the
        // new row.
        if (isDatabaseOpen(state)) {
            adoptOpenIndex(state, state.openClass.DbFolderTable);
            program.view.drawFolderList();
        }
    }
    if (result.indexRebuilt)
        messages.inform(IndexRebuiltMessage);
    messages.inform(messageOf(result));
}
