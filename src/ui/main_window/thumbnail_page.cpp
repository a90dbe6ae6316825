#include "ui/main_window/thumbnail_page.h"

#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/library_paths.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/thumbnail_caption.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/unreadable_photo_sign.h"

#include <QLabel>
#include <algorithm>

namespace {
const QColor PanelBackground(255, 255, 192);
const QRect WholePanel(0, 0, 901, 901);

int photosPerPage(const ProgramState& state) {
    return state.ThumbColumns * state.ThumbColumns;
}

// Photos first + 1 .. first + count of the photo list.
std::vector<ThumbnailRequest> requestsFor(const AppContext& program, int first, int count) {
    std::vector<ThumbnailRequest> requests;
    requests.reserve(std::max(count, 0));
    for (int i = 1; i <= count; ++i)
        requests.push_back(thumbnailRequest(program, program.state.PhotoPaths[first + i]));
    return requests;
}

// Pupils mostly turn forward, so the next page goes first, then the one
// before.
void prefetchNeighbours(AppContext& program, const PageRange& page) {
    const ProgramState& state = program.state;
    const int perPage = photosPerPage(state);
    std::vector<ThumbnailRequest> requests;
    if (page.count > 0 && perPage > 0) {
        const int next = page.first + perPage;
        requests = requestsFor(program, next, std::min(perPage, state.PhotoCount - next));
        const int previous = std::max(0, page.first - perPage);
        for (ThumbnailRequest& request : requestsFor(program, previous, page.first - previous))
            requests.push_back(std::move(request));
    }
    program.services.thumbnails.prefetch(std::move(requests));
}
} // namespace

ThumbnailRequest thumbnailRequest(const AppContext& program, const QString& photoPath) {
    const bool large = isLargeGrid(program.state.ScreenWidthPx);
    return {program.services.files.hostPath(photoPath), thumbWidth(large),
            large ? LargeThumbHeight : SmallThumbHeight};
}

void prepareThumbnail(AppContext& program, const QString& photoPath) {
    program.services.thumbnails.prepare({thumbnailRequest(program, photoPath)});
}

void makeOpeningPage(AppContext& program, const QStringList& photoPaths) {
    std::vector<ThumbnailRequest> requests;
    for (const QString& path : photoPaths.mid(0, photosPerPage(program.state)))
        requests.push_back(thumbnailRequest(program, path));
    program.services.thumbnails.loadPage(requests, [](int, const Thumbnail&) {});
}

void drawFolderTitle(AppContext& program) {
    PictureBox& panel = *program.form.thumbnailPanel;
    const bool large = isLargeGrid(program.state.ScreenWidthPx);
    panel.fillRect(titleBox(large), Qt::white);
    panel.drawBox(titleBox(large), Qt::black);
    panel.setForeColor(Qt::black);
    panel.setCurrentPos(titleTextPos(large));
    panel.print(program.state.FolderTitle);
}

void drawThumbnailPage(AppContext& program) {
    ProgramState& state = program.state;
    MainWindow& form = program.form;
    PictureBox& panel = *form.thumbnailPanel;

    panel.fillRect(WholePanel, PanelBackground);
    form.waitNotice->move(313, 237);
    form.waitNotice->show();
    panel.refreshNow();

    panel.fillRect(WholePanel, PanelBackground);
    drawFolderTitle(program);

    const PageRange page = currentPage(state);
    if (page.count > 0) {
        const bool large = isLargeGrid(state.ScreenWidthPx);
        const int columns = state.ThumbColumns;
        const std::vector<ThumbnailRequest> requests = requestsFor(program, page.first, page.count);
        program.services.thumbnails.loadPage(requests, [&](int index, const Thumbnail& thumb) {
            const int number = page.first + index + 1;
            if (thumb.photoSize.isValid()) {
                state.ImageWidth = thumb.photoSize.width();
                state.ImageHeight = thumb.photoSize.height();
            }
            const ThumbCell cell =
                thumbCell(large, index % columns, index / columns, thumb.photoSize);
            drawCaption(panel, cell, number, state.PhotoMarks[number] != 0);
            if (thumb.image.isNull())
                drawUnreadablePhotoSign(panel, cell.picture(),
                                        fileNameOf(state.PhotoPaths[number]));
            else
                panel.stretchFrom(thumb.image, thumb.image.rect(), cell.drawnPicture());
            panel.refreshNow();
        });
    }
    form.waitNotice->hide();
    prefetchNeighbours(program, page);
}

void onThumbnailScroll(AppContext& program, int position) {
    program.state.ThumbTopRow = position;
    drawThumbnailPage(program);
}
