// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slide_show_window/slide_show.h"

#include "core/commands/app_context.h"
#include "core/commands/selection.h"
#include "core/files/file_system.h"
#include "core/geometry/fitting.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/library_paths.h"
#include "core/services/message_service.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/slide_show_window/slide_show_window.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/unreadable_photo_sign.h"

#include <QPushButton>
#include <algorithm>

SlideShow::SlideShow(AppContext& program, QWidget& parent)
    : QObject(&parent), m_program(program), m_window(new SlideShowWindow(&parent)) {
    connect(m_window->endButton, &QPushButton::clicked, m_window, &QWidget::hide);
    for (int i = 0; i < 2; ++i) {
        connect(m_window->stepButtons[i], &QPushButton::clicked, this, [this, i] { step(i); });
    }
    connect(m_window, &SlideShowWindow::stripAsked, this, &SlideShow::showStrip);
    m_window->thumbnailStrip->setDrawnItems([this] {
        QList<PictureBox::DrawnItem> items;
        for (int k = 1; k <= m_count && m_layout.offersStrip; ++k)
            items.append({m_layout.scaled(stripSlot(k)), QStringLiteral("スライド %1").arg(k),
                          k == m_shown});
        return items;
    });
    connect(m_window->thumbnailStrip, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, QPoint pos) { pickFromStrip(pos); });
}

void SlideShow::start() {
    ProgramState& state = m_program.state;
    collectMarkedPhotos(state, MaxSlides);
    if (state.selection.SelectedCount == 0) {
        m_program.services.messages.inform(NoSlidesMessage);
        return;
    }
    open(1);
}

void SlideShow::startAt(int photo) {
    ProgramState& state = m_program.state;
    if (photo < 1 || photo > state.folder.PhotoCount)
        return;
    int slide = 0;
    if (state.folder.PhotoMarks[photo] != 0) {
        collectMarkedPhotos(state, MaxSlides);
        slide = int(std::count(state.folder.PhotoMarks.begin() + 1,
                               state.folder.PhotoMarks.begin() + photo + 1, 1));
    } else {
        state.selection.SelectedCount = std::min(state.folder.PhotoCount, MaxSlides);
        std::copy_n(state.folder.PhotoPaths.begin() + 1, state.selection.SelectedCount,
                    state.selection.SelectedPaths.begin() + 1);
        slide = photo;
    }
    if (slide > MaxSlides)
        return;
    open(slide);
}

void SlideShow::open(int firstSlide) {
    ProgramState& state = m_program.state;
    m_count = std::min(state.selection.SelectedCount, MaxSlides);
    m_window->thumbnailStrip->hide();
    layOut();

    QStringList hostPaths;
    for (int k = 1; k <= m_count; ++k)
        hostPaths << m_program.services.files.hostPath(state.selection.SelectedPaths[k]);
    m_decoder.reset(hostPaths, m_layout.drawSize);
    m_shown = firstSlide;
    // The first slide is made on a worker while the strip is filled.
    m_decoder.prefetch(firstSlide);
    if (m_layout.offersStrip)
        fillStrip();
    showSlide();

    // Full-screen is asked of the window manager; without one the window is
    // only as large as its geometry, so that covers the screen too.
    m_window->setGeometry(0, 0, m_program.services.screen.widthPx(),
                          m_program.services.screen.heightPx());
    m_window->showFullScreen();
    m_window->raise();
    m_window->activateWindow();
}

void SlideShow::step(int index) {
    m_shown = steppedSlide(m_shown, index == 0 ? -1 : 1, m_count);
    showSlide();
}

void SlideShow::pickFromStrip(QPoint pos) {
    m_shown = slideAtStripY(pos.y() / m_layout.scale, m_count);
    showSlide();
}

void SlideShow::showStrip(bool shown) {
    if (shown) {
        m_window->photoBox->move(m_layout.pictureBesideStrip.topLeft());
        m_window->thumbnailStrip->show();
    } else {
        m_window->thumbnailStrip->hide();
        m_window->photoBox->move(m_layout.picture.topLeft());
    }
}

void SlideShow::layOut() {
    const ScreenService& screen = m_program.services.screen;
    m_layout = slideLayoutFor(QSize(screen.widthPx(), screen.heightPx()), m_count);
    m_window->place(m_layout);
}

void SlideShow::fillStrip() {
    ProgramState& state = m_program.state;
    PictureBox& strip = *m_window->thumbnailStrip;
    strip.clear();
    std::vector<ThumbnailRequest> requests;
    for (int k = 1; k <= m_count; ++k) {
        const QRect slot = m_layout.scaled(stripSlot(k));
        requests.push_back({m_program.services.files.hostPath(state.selection.SelectedPaths[k]),
                            slot.width(), slot.height()});
    }
    m_program.services.thumbnails.loadPage(requests, [&](int index, const Thumbnail& thumb) {
        if (thumb.image.isNull())
            return;
        state.folder.ImageWidth = thumb.photoSize.width();
        state.folder.ImageHeight = thumb.photoSize.height();
        strip.stretchFrom(thumb.image, thumb.image.rect(),
                          fitInside(thumb.photoSize, m_layout.scaled(stripSlot(index + 1))));
    });
    for (int line = 1; line <= 9; ++line) {
        const QRect divider = m_layout.scaled(QRect(0, stripDividerY(line), 101, 1));
        strip.drawLine(divider.topLeft(), QPoint(divider.right(), divider.top()), Qt::black);
    }
}

void SlideShow::showSlide() {
    ProgramState& state = m_program.state;
    const DecodedSlide slide = m_decoder.slide(m_shown);
    PictureBox& picture = *m_window->photoBox;
    picture.clear();
    if (slide.image.isNull()) {
        drawUnreadablePhotoSign(picture, QRect(QPoint(0, 0), m_layout.drawSize),
                                fileNameOf(state.selection.SelectedPaths[m_shown]));
    } else {
        state.folder.ImageWidth = slide.photoSize.width();
        state.folder.ImageHeight = slide.photoSize.height();
        picture.stretchFrom(slide.image, slide.image.rect(),
                            fitInside(slide.photoSize, QRect(QPoint(0, 0), m_layout.drawSize)));
    }
    picture.refreshNow();
}
