#include "core/commands/database_save.h"

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
#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"

namespace {

// The database folder's name is made from the title, so a title that an
// index brought in must not be able to name anything outside the database.
bool canSave(AppContext& program) {
    const ProgramState& state = program.state;
    MessageService& messages = program.services.messages;
    if (state.DatabaseRoot.isEmpty()) {
        messages.inform(QStringLiteral("データベースのフォルダがきまっていません。"));
        return false;
    }
    if (!checkDatabaseFolder(program))
        return false;
    if (state.PhotoFolder.isEmpty()) {
        messages.inform(QStringLiteral("ほぞんするフォルダがひらかれていません。"));
        return false;
    }
    if (!isUsableFolderTitle(state.FolderTitle)) {
        messages.inform(QStringLiteral("フォルダ名につかえないもじがあります。"));
        return false;
    }
    return true;
}

QString messageOf(DatabaseSave result) {
    switch (result) {
    case DatabaseSave::Saved:
        break;
    case DatabaseSave::SomeNotCopied:
        return QStringLiteral("保存できなかったしゃしんがあります。");
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

DatabaseSave saveFolderToDatabase(const FileSystem& files, const QString& databaseRoot,
                                  const DatabaseEntry& entry, FolderIndex& index,
                                  std::chrono::milliseconds wait) {
    bool listed = false;
    const QStringList names = files.listFiles(entry.source, QStringLiteral("*.JP*"), &listed);
    if (!listed)
        return DatabaseSave::Unlisted;
    // The copies, which take long, come after the row is written; a directory
    // whose row could not be written goes again.
    FolderRow row;
    row[ColDateCount] = dateAndCount(entry.date, int(names.size()));
    row[ColTitle] = entry.title;
    row[ColRemark] = entry.remark;
    NumberedFolder added;
    const IndexUpdate update = updateIndexLocked(
        files, databaseRoot, addNumberedFolder(files, databaseRoot, entry.title, row, added), index,
        wait);
    const QString& directory = added.directory;
    switch (update) {
    case IndexUpdate::Written:
        break;
    case IndexUpdate::Busy:
        return DatabaseSave::Busy;
    case IndexUpdate::Missing:
        return DatabaseSave::Missing;
    case IndexUpdate::Unchanged:
        return added.full ? DatabaseSave::Full : DatabaseSave::Failed;
    case IndexUpdate::Failed:
        if (added.made)
            files.removeDirectory(joinPath(databaseRoot, directory));
        return DatabaseSave::Failed;
    }

    const QString destination = joinPath(databaseRoot, directory);
    bool allCopied = true;
    for (const QString& name : names)
        allCopied =
            files.copyFileIn(entry.source, name, joinPath(destination, storablePhotoName(name))) &&
            allCopied;
    return allCopied ? DatabaseSave::Saved : DatabaseSave::SomeNotCopied;
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
    const DatabaseEntry entry{state.PhotoFolder, state.FolderTitle,
                              state.ClassName + machineTag(state.PcNumber),
                              program.services.clock.dateText()};
    const DatabaseSave result = saveFolderToDatabase(program.services.files, state.DatabaseRoot,
                                                     entry, state.DbFolderTable, IndexLockWait);
    // While the database tree is open, the list takes the index as written,
    // so that no later rewrite of the open index can lose the new row.
    if (isDatabaseOpen(state) && result != DatabaseSave::Busy && result != DatabaseSave::Unlisted &&
        result != DatabaseSave::Missing) {
        adoptOpenIndex(state, state.DbFolderTable);
        drawFolderList(program);
    }
    messages.inform(messageOf(result));
}
