// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/trash_commands.h"

#include "core/commands/app_context.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/class_trash.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

#include <QSet>

namespace {

constexpr int ThumbnailWidth = 96;
constexpr int ThumbnailHeight = 72;

QList<TrashItem> chosenItems(const AppContext& program, const QStringList& ids) {
    QList<TrashItem> chosen;
    for (const TrashItem& item :
         listTrash(program.services.files, program.state.openClass.ClassFolder)) {
        if (ids.isEmpty() || ids.contains(item.id))
            chosen.append(item);
    }
    return chosen;
}

// Brings the photo counts of the rows of directories up to date.
void recountRows(AppContext& program, const QSet<QString>& directories) {
    const FileSystem& files = program.services.files;
    const QString& classFolder = program.state.openClass.ClassFolder;
    rewriteOpenIndex(program, [&](FolderIndex& index) {
        bool changed = false;
        for (const QString& directory : directories) {
            bool listed = false;
            const int count = int(
                listPhotoPaths(files, joinPath(classFolder, directory), MaxPhotos, &listed).size());
            if (listed && index.editRow(directory, 0, [count](FolderRow& row) {
                    setStoredPhotoCount(row, count);
                }))
                changed = true;
        }
        return changed;
    });
}

bool restoreFolderItem(AppContext& program, const TrashItem& item) {
    const FileSystem& files = program.services.files;
    const QString& classFolder = program.state.openClass.ClassFolder;
    FolderMove moved;
    const IndexUpdate update =
        rewriteOpenIndex(program, restoreFolder(files, classFolder, item, moved));
    return finishFolderMove(files, update, moved, trashItemFolder(classFolder, item.id));
}

} // namespace

QList<TrashEntry> classTrashEntries(AppContext& program) {
    const FileSystem& files = program.services.files;
    QList<TrashEntry> entries;
    std::vector<ThumbnailRequest> requests;
    QList<int> requested; // the entry of each request
    for (const TrashItem& item : listTrash(files, program.state.openClass.ClassFolder)) {
        const bool photo = item.kind == TrashItem::Kind::Photo;
        const QString when = item.trashedAt.toString(QStringLiteral("yyyy/MM/dd"));
        entries.append({item.id,
                        photo ? when + u'\n' + item.photoName
                              : when + QStringLiteral("\nフォルダ ") + item.row[ColTitle],
                        {}});
        const QStringList shown =
            photo ? QStringList{item.contentPath} : listPhotoPaths(files, item.contentPath, 1);
        if (!shown.isEmpty()) {
            requested.append(int(entries.size()) - 1);
            requests.push_back({files.hostPath(shown.first()), ThumbnailWidth, ThumbnailHeight});
        }
    }
    program.services.thumbnails.loadPage(requests, [&](int index, const Thumbnail& thumb) {
        entries[requested[index]].thumbnail = thumb.image;
    });
    return entries;
}

void restoreTrashItems(AppContext& program, const QStringList& ids) {
    ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    const QList<TrashItem> chosen = chosenItems(program, ids);
    // An item that could not be read again stays where it is.
    bool someStayed = chosen.size() < ids.size();
    QSet<QString> refilled;
    for (const TrashItem& item : chosen) {
        if (item.kind == TrashItem::Kind::Folder) {
            someStayed = !restoreFolderItem(program, item) || someStayed;
            continue;
        }
        const std::optional<FileLock> lock =
            files.lockFile(indexLockPathOf(state.openClass.ClassFolder), IndexLockWait);
        const FolderIndex index = readIndex(files, indexPathOf(state.openClass.ClassFolder));
        if (lock &&
            restorePhoto(files, state.openClass.ClassFolder, index, item) == PhotoRestore::Restored)
            refilled.insert(item.row[ColDirectory]);
        else
            someStayed = true;
    }
    if (!refilled.isEmpty())
        recountRows(program, refilled);
    if (someStayed)
        program.services.messages.inform(QStringLiteral("もとにもどせなかったものがあります。"));
    if (state.openClass.CurrentFolderIndex == 0 && state.openClass.FolderTable.count() > 0) {
        state.openClass.CurrentFolderIndex = 1;
        state.folder.PhotoFolder = photoFolderOfRow(state, 1);
        state.folder.FolderTitle = state.openClass.FolderTable[1][ColTitle];
    }
    program.view.drawFolderList();
    loadFolder(program);
}

void emptyTrashItems(AppContext& program, const QStringList& ids) {
    if (!program.services.messages.askYesNo(
            QStringLiteral("ごみばこから けすと もう もどせません。けしますか。"),
            QuestionDefault::No))
        return;
    const FileSystem& files = program.services.files;
    const QString& classFolder = program.state.openClass.ClassFolder;
    const std::optional<FileLock> lock =
        files.lockFile(indexLockPathOf(classFolder), IndexLockWait);
    if (!lock) {
        program.services.messages.inform(DatabaseBusyMessage);
        return;
    }
    bool someStayed = false;
    for (const TrashItem& item : chosenItems(program, ids))
        someStayed = !removeTrashItem(files, classFolder, item.id) || someStayed;
    if (someStayed)
        program.services.messages.inform(QStringLiteral("けせなかったものがあります。"));
}
