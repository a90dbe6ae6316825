// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clip_window/clipping.h"

#include "core/commands/app_context.h"
#include "core/files/file_system.h"
#include "core/geometry/clip_geometry.h"
#include "core/geometry/fit_inside.h"
#include "core/imaging/photo_reader.h"
#include "core/services/clipboard.h"
#include "core/services/message_service.h"
#include "core/services/modal_runner.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/clip_window/clip_window.h"
#include "ui/widgets/picture_box.h"

Clipping::Clipping(AppContext& program, QWidget& parent)
    : QObject(&parent), m_program(program), m_window(new ClipWindow(&parent)) {
    connect(m_window, &ClipWindow::sizeChosen, this, &Clipping::chooseSize);
    connect(m_window, &ClipWindow::areaChosen, this, &Clipping::chooseArea);
    connect(m_window, &ClipWindow::clipRequested, this, &Clipping::clip);
    connect(m_window, &ClipWindow::photoPressed, this, &Clipping::mouseDown);
    connect(m_window, &ClipWindow::pointerMoved, this, &Clipping::mouseMove);
    showFaces();
}

void Clipping::open(int photo) {
    ProgramState& state = m_program.state;
    const QString hostPath = m_program.services.files.hostPath(state.PhotoPaths[photo]);
    PhotoReader reader(hostPath);
    const QSize photoSize = reader.uprightSize();
    QImage picture = reader.scaled(fittedSize(photoSize, clipDrawSize(ClipLarge)));
    if (picture.isNull()) {
        m_program.services.messages.inform(UnreadablePhotoMessage);
        return;
    }
    state.ImageWidth = photoSize.width();
    state.ImageHeight = photoSize.height();
    m_photoSize = photoSize;
    m_photo = std::move(picture);
    m_smallPhoto = m_photo.scaled(fittedSize(photoSize, clipDrawSize(ClipSmall)),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    placePicture();
    m_program.services.modals.runModal(*m_window);
}

void Clipping::chooseSize(int mode) {
    ProgramState& state = m_program.state;
    state.ClipSizeMode = mode;
    showFaces();
    PictureBox& picture = m_window->photoBox();
    picture.clear();
    picture.hide();
    placePicture();
    picture.show();
}

void Clipping::chooseArea(int mode) {
    ProgramState& state = m_program.state;
    state.ClipAreaMode = mode;
    showFaces();
    state.ClipClickCount = 0;
    if (mode == ClipRange)
        m_program.services.messages.inform(RangeHintMessage);
    PictureBox& picture = m_window->photoBox();
    picture.hide();
    placePicture();
    picture.show();
}

void Clipping::mouseDown(Qt::MouseButton button, QPoint pos) {
    ProgramState& state = m_program.state;
    if (state.ClipAreaMode == ClipWhole)
        return;
    drawPhoto();
    if (button == Qt::RightButton) {
        state.ClipClickCount = 0;
        return;
    }
    if (state.ClipClickCount == 0) {
        state.ClipX[1] = pos.x();
        state.ClipY[1] = pos.y();
        state.ClipClickCount = 1;
        return;
    }
    state.ClipX[2] = pos.x();
    state.ClipY[2] = pos.y();
    state.ClipClickCount = 2;
    drawChosenFrame();
}

void Clipping::mouseMove(QPoint pos) {
    ProgramState& state = m_program.state;
    PictureBox& picture = m_window->photoBox();
    // A held button lets the pointer leave the box; the frame stays on it.
    const QPoint corner = clampedInto(pos, picture.size());
    if (state.ClipClickCount != 1 || corner == QPoint(state.ClipDragX, state.ClipDragY))
        return;
    const QPoint first(state.ClipX[1], state.ClipY[1]);
    picture.setDrawMode(PictureBox::DrawMode::Xor);
    if (state.ClipDragX != -1)
        picture.drawBox(QRect(first, QPoint(state.ClipDragX, state.ClipDragY)), Qt::white);
    picture.drawBox(QRect(first, corner), Qt::white);
    state.ClipDragX = corner.x();
    state.ClipDragY = corner.y();
    picture.setDrawMode(PictureBox::DrawMode::Copy);
}

void Clipping::clip() {
    ProgramState& state = m_program.state;
    Clipboard& clipboard = m_program.services.clipboard;
    PictureBox& work = m_window->cutSurface();
    work.clear();
    clipboard.clear();
    drawPhoto();

    // Only the photo as drawn is clipped, never the box around it.
    const QRect photo =
        fitInside(m_photoSize, QRect(QPoint(0, 0), clipDrawSize(state.ClipSizeMode)));
    QImage result;
    if (state.ClipClickCount == 0) {
        result = m_window->photoBox().image().copy(photo);
    } else if (state.ClipClickCount == 2) {
        const QImage box = m_window->photoBox().image();
        const QRect area =
            clipRectangle({state.ClipX[1], state.ClipY[1]}, {state.ClipX[2], state.ClipY[2]}) &
            photo;
        work.resize(area.size());
        work.stretchFrom(box, area, QRect(QPoint(0, 0), area.size()));
        work.refreshNow();
        result = work.image();
    }
    state.ClipClickCount = 0;
    state.ClipDragX = -1;
    state.ClipDragY = -1;
    if (!result.isNull() && !result.size().isEmpty() && !clipboard.setImage(result))
        m_program.services.messages.inform(ClipboardFailedMessage);
}

void Clipping::showFaces() {
    m_window->showChosen(m_program.state.ClipSizeMode, m_program.state.ClipAreaMode);
}

void Clipping::placePicture() {
    m_window->photoBox().setGeometry(clipPictureBox(m_program.state.ClipSizeMode));
    drawPhoto();
    if (m_program.state.ClipClickCount == 2)
        drawChosenFrame();
}

void Clipping::drawPhoto() {
    ProgramState& state = m_program.state;
    const QImage& photo = state.ClipSizeMode == ClipSmall ? m_smallPhoto : m_photo;
    PictureBox& picture = m_window->photoBox();
    picture.clear();
    picture.stretchFrom(
        photo, photo.rect(),
        fitInside(m_photoSize, QRect(QPoint(0, 0), clipDrawSize(state.ClipSizeMode))));
    picture.refreshNow();
    state.ClipDragX = -1;
    state.ClipDragY = -1;
}

void Clipping::drawChosenFrame() {
    const ProgramState& state = m_program.state;
    const QPoint first(state.ClipX[1], state.ClipY[1]);
    const QPoint second(state.ClipX[2], state.ClipY[2]);
    PictureBox& picture = m_window->photoBox();
    picture.setDrawMode(PictureBox::DrawMode::Copy);
    picture.drawBox(clipOuterFrame(first, second), Qt::white);
    picture.drawBox(clipRectangle(first, second), Qt::black);
    picture.refreshNow();
}
