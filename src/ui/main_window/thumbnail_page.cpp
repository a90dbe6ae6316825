// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/thumbnail_page.h"

#include "core/geometry/page_focus.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/imaging/thumbnail_pages.h"
#include "core/library/library_paths.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_context.h"
#include "ui/main_window/page_keys.h"
#include "ui/main_window/thumbnail_caption.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/unreadable_photo_sign.h"

#include <QLabel>

namespace {
// A drive that stopped answering: the page shows what came in time.
const QString NoAnswerMessage =
    QStringLiteral("へんじがないので，よみこめなかったしゃしんがあります。");
const QColor PanelBackground(255, 255, 192);
const QRect WholePanel(0, 0, 901, 901);
} // namespace

void drawFolderTitle(MainWindowContext& main) {
    PictureBox& panel = *main.window.thumbnailPanel;
    const bool large = isLargeGrid(main.state.screen.ScreenWidthPx);
    panel.fillRect(titleBox(large), Qt::white);
    panel.drawBox(titleBox(large), Qt::black);
    panel.setForeColor(Qt::black);
    panel.setCurrentPos(titleTextPos(large));
    panel.print(main.state.folder.FolderTitle);
}

void drawThumbnailPage(MainWindowContext& main) {
    ProgramState& state = main.state;
    MainWindow& window = main.window;
    PictureBox& panel = *window.thumbnailPanel;

    panel.fillRect(WholePanel, PanelBackground);
    window.waitNotice->move(313, 237);
    window.waitNotice->show();
    panel.refreshNow();

    panel.fillRect(WholePanel, PanelBackground);
    drawFolderTitle(main);

    const PageRange page = currentPage(state);
    state.folder.FocusedPhoto = focusOnPage(state.folder.FocusedPhoto, state.folder.ThumbTopRow,
                                            state.screen.ThumbColumns, state.folder.PhotoCount);
    bool timedOut = false;
    if (page.count > 0) {
        const bool large = isLargeGrid(state.screen.ScreenWidthPx);
        const int columns = state.screen.ThumbColumns;
        const std::vector<ThumbnailRequest> requests =
            pageRequests(state, main.services.files, page.first, page.count);
        main.services.thumbnails.loadPage(requests, [&](int index, const Thumbnail& thumb) {
            timedOut = timedOut || thumb.timedOut;
            const int number = page.first + index + 1;
            if (thumb.photoSize.isValid()) {
                state.folder.ImageWidth = thumb.photoSize.width();
                state.folder.ImageHeight = thumb.photoSize.height();
            }
            const ThumbCell cell =
                thumbCell(large, index % columns, index / columns, thumb.photoSize);
            drawCaption(panel, cell, number, state.folder.PhotoMarks[number] != 0);
            if (thumb.image.isNull())
                drawUnreadablePhotoSign(panel, cell.picture(),
                                        fileNameOf(state.folder.PhotoPaths[number]));
            else
                panel.stretchFrom(thumb.image, thumb.image.rect(), cell.drawnPicture());
            panel.refreshNow();
        });
    }
    drawFocusFrame(main);
    window.waitNotice->hide();
    if (timedOut)
        main.services.messages.inform(NoAnswerMessage);
    prefetchNeighbours(state, main.services, page);
}

QList<PictureBox::DrawnItem> thumbnailItems(ProgramState& state) {
    QList<PictureBox::DrawnItem> items;
    const PageRange page = currentPage(state);
    const bool large = isLargeGrid(state.screen.ScreenWidthPx);
    for (int index = 0; index < page.count; ++index) {
        const int number = page.first + index + 1;
        const bool marked = state.folder.PhotoMarks[number] != 0;
        const ThumbCell cell = thumbCell(large, index % state.screen.ThumbColumns,
                                         index / state.screen.ThumbColumns, {});
        items.append({cell.frame(),
                      QStringLiteral("しゃしん ") + captionStyle(number, marked).caption, marked,
                      number == state.folder.FocusedPhoto});
    }
    return items;
}
