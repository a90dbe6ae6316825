// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/folder_import.h"

#include "core/commands/app_context.h"
#include "core/commands/card_import.h"
#include "core/commands/card_photos.h"
#include "core/commands/import_names.h"
#include "core/commands/photo_source.h"
#include "core/files/cp932_text.h"
#include "core/files/file_system.h"
#include "core/files/photo_drive.h"
#include "core/imaging/thumbnail_pages.h"
#include "core/library/folder_names.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "core/library/numbered_folder.h"
#include "core/library/storable_name.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

#include <algorithm>
#include <optional>

namespace {

struct CopyTally {
    int found = 0;
    int copied = 0;
    int skipped = 0; // already in the class
    // The source went away before every photo was copied.
    bool sourceGone = false;
};

// The name becomes an index field and a directory name, so it may hold
// neither the field separator nor a character that file names or the index's
// code page cannot.
bool acceptsName(MessageService& messages, const QString& name) {
    switch (checkFolderTitle(name)) {
    case TitleCheck::Usable:
        return true;
    case TitleCheck::Empty:
        messages.inform(QStringLiteral("フォルダ名をタイプしてください。"));
        return false;
    case TitleCheck::ForbiddenName:
        messages.inform(QStringLiteral("フォルダ名につかえないもじがあります。"));
        return false;
    case TitleCheck::Unencodable:
        messages.inform(QStringLiteral("つかえないもじがあります。"));
        return false;
    case TitleCheck::TooLong:
        messages.inform(QStringLiteral("フォルダ名がながすぎます。"));
        return false;
    }
    return false;
}

// A folder opened by path has row 0, which is never written: only the title
// shown changes.
bool renameOpenFolder(AppContext& program, const QString& name) {
    ProgramState& state = program.state;
    const int open = state.openClass.CurrentFolderIndex;
    const auto rename = [&name](FolderRow& row) {
        row[ColTitle] = name;
        row[ColRemark].clear();
    };
    if (open == 0)
        state.openClass.FolderTable.editRowAt(0, rename);
    const IndexUpdate update = rewriteOpenIndex(
        program, editRow(state.openClass.FolderTable[open][ColDirectory], open, rename));
    if (update != IndexUpdate::Written && update != IndexUpdate::Unchanged)
        return false;
    program.view.drawFolderList();
    state.folder.FolderTitle = name;
    program.view.drawFolderTitle();
    return true;
}

// Every photo file of the photo drive counts as found, copied, skipped or
// not. The thumbnails of the opening page (the first photos by name) are made
// on the loader's threads while the copying goes on; a copy faster than they
// are waits for them before the last step is shown, so the import ends with
// that page ready to draw at once. Each copy's key is taken from the bytes it
// copies and kept in the class's store.
CopyTally copyPhotoDrive(AppContext& program, const PhotoSource& source, const CardImport& import,
                         const QString& directory, const ImportProgress& progress) {
    const FileSystem& files = program.services.files;
    const QList<CardPhoto>& photos = import.fresh;
    const QString folder = joinPath(program.state.openClass.ClassFolder, directory);
    const QStringList targets = importedNames(photos, program.services.clock.stampText());
    QStringList byName = targets;
    sortByName(byName);
    // A page shows as many rows as columns.
    const QStringList openingPage =
        byName.mid(0, program.state.screen.ThumbColumns * program.state.screen.ThumbColumns);
    ClassPhotoHashes keys = import.keys;
    CopyTally tally{int(photos.size()) + import.skipped, 0, import.skipped};
    for (int i = 0; i < photos.size(); ++i) {
        const QString target = joinPath(folder, targets[i]);
        QByteArray headHash;
        if (source.copy(photos[i], target, &headHash)) {
            ++tally.copied;
            if (photos[i].size >= 0 && !headHash.isEmpty())
                keys.add(directory, targets[i], {photos[i].size, headHash});
            if (openingPage.contains(targets[i]))
                prepareThumbnail(program.state, program.services, target);
        } else if (source.goneWhenACopyFails()) {
            tally.sourceGone = true;
            break;
        }
        if (i + 1 == photos.size())
            makeOpeningPage(program.state, program.services,
                            listPhotoPaths(files, folder, MaxPhotos));
        if (progress)
            progress(i + 1 + import.skipped, tally.found);
    }
    // A store that could not be written is made good by the next import.
    if (keys.changed())
        keys.write(files, program.state.openClass.ClassFolder);
    return tally;
}

// The number is taken, the directory made and the row written before the
// photos are copied, so that a shared index hands every new folder its own
// number. A row is written only for a directory that was made, and a
// directory whose row could not be written goes again.
std::optional<CopyTally> addFolder(AppContext& program, const QString& name,
                                   const PhotoSource* source, const ImportProgress& progress) {
    ProgramState& state = program.state;
    const FileSystem& files = program.services.files;
    MessageService& messages = program.services.messages;
    const std::optional<QList<CardPhoto>> listed =
        source ? source->photos() : std::optional<QList<CardPhoto>>(QList<CardPhoto>());
    if (!listed) {
        messages.inform(QStringLiteral("しゃしんのドライブがよめません。"));
        return std::nullopt;
    }
    const QList<CardPhoto>& photos = *listed;
    const CardImport import = source ? sortOutCard(files, *source, state.openClass.ClassFolder,
                                                   state.openClass.FolderTable, photos)
                                     : CardImport();
    if (!photos.isEmpty() && import.fresh.isEmpty()) {
        messages.inform(QStringLiteral("ぜんぶ もう とりこんであります。"));
        return CopyTally{int(photos.size()), 0, import.skipped};
    }
    const QString date = program.services.clock.dateText();
    NumberedFolder added;
    const IndexUpdate update = rewriteOpenIndex(
        program,
        addNumberedFolder(files, state.openClass.ClassFolder, name,
                          newFolderRow(date, int(import.fresh.size()), name, QString()), added));
    const QString& directory = added.directory;
    if ((update == IndexUpdate::Failed || update == IndexUpdate::Busy) && added.made)
        files.removeDirectory(joinPath(state.openClass.ClassFolder, directory));
    if (update == IndexUpdate::Unchanged)
        messages.inform(added.full ? QStringLiteral("これいじょうフォルダをつくれません。")
                                   : QStringLiteral("フォルダをつくれませんでした。"));
    if (update != IndexUpdate::Written)
        return std::nullopt;
    const int row =
        state.openClass.FolderTable.findRow(directory, state.openClass.FolderTable.count());
    const QString folder = joinPath(state.openClass.ClassFolder, directory);
    const CopyTally tally =
        source ? copyPhotoDrive(program, *source, import, directory, progress) : CopyTally();

    // Opens the new folder at its first page with no photo marked, whatever
    // the folder left behind had marked or scrolled to.
    state.openClass.CurrentFolderIndex = row;
    state.folder.PhotoFolder = folder;
    state.folder.clearMarks(std::max(state.folder.PhotoCount, tally.found));
    state.folder.PhotoCount = 0;
    program.view.drawFolderList();
    state.folder.FolderTitle = name;
    if (state.folder.ThumbTopRow > 0) {
        program.view.resetThumbnailScroll();
        state.folder.ThumbTopRow = 0;
    }
    loadFolder(program);
    return tally;
}

} // namespace

bool importMakeOrRenameFolder(AppContext& program, const QString& typed,
                              const ImportProgress& progress) {
    ProgramState& state = program.state;
    MessageService& messages = program.services.messages;
    if (!acceptsName(messages, typed))
        return false;
    // Kept as the index will read it back.
    const QString name = toWindowsForms(typed);
    if (state.FolderNameWindowMode == FolderNameMode::Rename)
        return renameOpenFolder(program, name);
    // Read afresh, since another machine may have filled a shared index since
    // it was opened: a refusal after the question would waste the pupil's yes.
    if (state.openClass.FolderTable.isFull() ||
        readIndex(program.services.files, indexPathOf(state.openClass.ClassFolder)).isFull()) {
        messages.inform(QStringLiteral("これいじょうフォルダをつくれません。"));
        return false;
    }
    std::unique_ptr<PhotoSource> source;
    if (state.FolderNameWindowMode == FolderNameMode::Import) {
        source = findPhotoSource(program.services.files, state.settings.PhotoDrivePath);
        if (!source) {
            messages.inform(NoCardMessage);
            return false;
        }
        if (!messages.askYesNo(QStringLiteral("しゃしんをとりこみます。"))) {
            messages.beep();
            return false;
        }
    }
    const std::optional<CopyTally> tally = addFolder(program, name, source.get(), progress);
    if (!tally)
        return false;
    if (tally->found == tally->skipped)
        return true;
    if (tally->sourceGone)
        messages.inform(
            QStringLiteral("カメラがはずれました。とりこめたのは %1まいです。").arg(tally->copied));
    else if (tally->copied < tally->found - tally->skipped)
        messages.inform(QStringLiteral("とりこめなかったしゃしんがあります。"));
    if (tally->skipped > 0)
        messages.inform(QStringLiteral("%1まいは もう とりこんであります。").arg(tally->skipped));
    return true;
}
