// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/import_commands.h"

#include "core/commands/app_context.h"
#include "core/commands/card_photos.h"
#include "core/commands/photo_source.h"
#include "core/services/services.h"

namespace {

// "CARD に 36まい" or "iPad に 36まい", or that no card is in.
QString photoDriveLine(const AppContext& program) {
    const std::unique_ptr<PhotoSource> source =
        findPhotoSource(program.services.files, program.state.settings.PhotoDrivePath);
    if (!source)
        return QStringLiteral("カードがみつかりません。");
    return QStringLiteral("%1 に %2まい")
        .arg(source->name())
        .arg(source->photos().value_or(QList<CardPhoto>()).size());
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
