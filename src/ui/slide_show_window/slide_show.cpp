#include "ui/slide_show_window/slide_show.h"

#include "core/commands/selection.h"
#include "core/files/file_system.h"
#include "core/geometry/fit_inside.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/library_paths.h"
#include "core/services/message_service.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/main_window.h"
#include "ui/slide_show_window/slide_show_window.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/unreadable_photo_sign.h"

#include <QPushButton>

SlideShow::SlideShow(AppContext& program)
    : QObject(&program.form), m_program(program), m_window(new SlideShowWindow(&program.form)) {
    connect(m_window->endButton, &QPushButton::clicked, m_window, &QWidget::hide);
    for (int i = 0; i < 2; ++i) {
        connect(m_window->stepButtons[i], &QPushButton::clicked, this, [this, i] { step(i); });
        connect(m_window->layoutButtons[i], &PictureBox::mouseDown, this,
                [this, i] { showStrip(i == 1); });
    }
    connect(m_window->thumbnailStrip, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, QPoint pos) { pickFromStrip(pos); });
}

void SlideShow::start() {
    ProgramState& state = m_program.state;
    collectMarkedPhotos(state, MaxSlides);
    if (state.SelectedCount == 0) {
        m_program.services.messages.inform(NoSlidesMessage);
        return;
    }
    state.SlideCount = std::min(state.SelectedCount, MaxSlides);
    m_window->thumbnailStrip->hide();
    layOut();

    QStringList hostPaths;
    for (int k = 1; k <= state.SlideCount; ++k)
        hostPaths << m_program.services.files.hostPath(state.SelectedPaths[k]);
    m_decoder.reset(hostPaths, m_layout.drawSize);
    state.SlideIndex = 1;
    // The first slide is made on a worker while the strip is filled.
    m_decoder.prefetch(1);
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
    ProgramState& state = m_program.state;
    state.SlideIndex = steppedSlide(state.SlideIndex, index == 0 ? -1 : 1, state.SlideCount);
    showSlide();
}

void SlideShow::pickFromStrip(QPoint pos) {
    ProgramState& state = m_program.state;
    state.SlideIndex = slideAtStripY(pos.y(), state.SlideCount);
    showSlide();
}

void SlideShow::showStrip(bool shown) {
    if (shown) {
        m_window->photoBox->move(PictureBesideStrip);
        m_window->thumbnailStrip->move(StripPosition);
        m_window->thumbnailStrip->show();
    } else {
        m_window->thumbnailStrip->hide();
        m_window->photoBox->move(m_layout.picture.topLeft());
    }
}

void SlideShow::layOut() {
    m_layout = slideLayoutFor(m_program.state.ScreenWidthPx, m_program.state.SlideCount);
    SlideShowWindow& window = *m_window;
    window.photoBox->setGeometry(m_layout.picture);
    window.endButton->move(m_layout.endButton);
    for (int i = 0; i < 2; ++i) {
        window.stepButtons[i]->move(m_layout.stepButtons[i]);
        window.layoutButtons[i]->move(IconPositions[i]);
        window.layoutButtons[i]->setVisible(m_layout.offersStrip);
    }
}

void SlideShow::fillStrip() {
    ProgramState& state = m_program.state;
    PictureBox& strip = *m_window->thumbnailStrip;
    strip.clear();
    std::vector<ThumbnailRequest> requests;
    for (int k = 1; k <= state.SlideCount; ++k) {
        const QRect slot = stripSlot(k);
        requests.push_back({m_program.services.files.hostPath(state.SelectedPaths[k]), slot.width(),
                            slot.height()});
    }
    m_program.services.thumbnails.loadPage(requests, [&](int index, const Thumbnail& thumb) {
        if (thumb.image.isNull())
            return;
        state.ImageWidth = thumb.photoSize.width();
        state.ImageHeight = thumb.photoSize.height();
        strip.stretchFrom(thumb.image, thumb.image.rect(),
                          fitInside(thumb.photoSize, stripSlot(index + 1)));
    });
    for (int line = 1; line <= 9; ++line)
        strip.drawLine(QPoint(0, stripDividerY(line)), QPoint(100, stripDividerY(line)), Qt::black);
}

void SlideShow::showSlide() {
    ProgramState& state = m_program.state;
    const DecodedSlide slide = m_decoder.slide(state.SlideIndex);
    PictureBox& picture = *m_window->photoBox;
    picture.clear();
    if (slide.image.isNull()) {
        drawUnreadablePhotoSign(picture, QRect(QPoint(0, 0), m_layout.drawSize),
                                fileNameOf(state.SelectedPaths[state.SlideIndex]));
    } else {
        state.ImageWidth = slide.photoSize.width();
        state.ImageHeight = slide.photoSize.height();
        picture.stretchFrom(slide.image, slide.image.rect(),
                            fitInside(slide.photoSize, QRect(QPoint(0, 0), m_layout.drawSize)));
    }
    picture.refreshNow();
}
