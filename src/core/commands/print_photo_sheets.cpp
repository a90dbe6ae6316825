// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/print_photo_sheets.h"

#include "core/commands/app_context.h"
#include "core/commands/sheet_renderer.h"
#include "core/files/file_system.h"
#include "core/geometry/sheet_layout.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

namespace {
const QString NothingMarkedText = QStringLiteral("マークされたしゃしんがありません。");
const QString UnprintedText = QStringLiteral("いんさつできなかったしゃしんがあります。");
} // namespace

void printPhotoSheets(AppContext& program, const SheetLayout& layout) {
    const ProgramState& state = program.state;
    Services& services = program.services;

    QStringList marked;
    for (int p = 1; p <= state.folder.PhotoCount; ++p)
        if (state.folder.PhotoMarks[p] == 1)
            marked << state.folder.PhotoPaths[p];
    if (marked.isEmpty()) {
        services.messages.inform(NothingMarkedText);
        return;
    }
    if (!services.messages.askYesNo(layout.Question)) {
        services.messages.beep();
        return;
    }

    QStringList hostPaths;
    for (const QString& path : marked)
        hostPaths << services.files.hostPath(path);
    if (printOnSheets(services.printer, layout, hostPaths) > 0)
        services.messages.inform(UnprintedText);
    program.view.drawThumbnailPage();
}
