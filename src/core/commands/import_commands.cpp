// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/import_commands.h"

#include "core/commands/app_context.h"
#include "core/commands/card_import.h"
#include "core/commands/photo_source.h"
#include "core/services/services.h"

namespace {

// "CARD に 36まい（あたらしい しゃしん 12まい）" or the same of an "iPad", or
// that no card is in.
QString photoDriveLine(const AppContext& program) {
    const ProgramState& state = program.state;
    const std::unique_ptr<PhotoSource> source =
        findPhotoSource(program.services.files, state.settings.PhotoDrivePath);
    if (!source)
        return QStringLiteral("カードがみつかりません。");
    const QList<CardPhoto> photos = source->photos().value_or(QList<CardPhoto>());
    const CardImport import =
        sortOutCard(program.services.files, *source, state.openClass.ClassFolder,
                    state.openClass.FolderTable, photos);
    return QStringLiteral("%1 に %2まい（あたらしい しゃしん %3まい）")
        .arg(source->name())
        .arg(photos.size())
        .arg(import.fresh.size());
}

} // namespace

FolderNameStart startFolderName(AppContext& program, FolderNameMode mode) {
    ProgramState& state = program.state;
    state.FolderNameWindowMode = mode;
    return {mode == FolderNameMode::Rename
                ? state.openClass.FolderTable[state.openClass.CurrentFolderIndex][ColTitle]
                : QString(),
            mode == FolderNameMode::Import ? photoDriveLine(program) : QString()};
}
