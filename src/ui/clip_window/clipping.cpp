// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clip_window/clipping.h"

#include "core/commands/app_context.h"
#include "core/files/file_system.h"
#include "core/geometry/clip_geometry.h"
#include "core/geometry/fitting.h"
#include "core/imaging/photo_reader.h"
#include "core/services/clipboard.h"
#include "core/services/message_service.h"
#include "core/services/modal_runner.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/clip_window/clip_window.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/control_builders.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QPushButton>

namespace {
const QColor Unchosen(224, 224, 224);
const QColor ChosenSize(192, 255, 255);
const QColor ChosenArea(192, 255, 192);

ClipSize sizeOfButton(int index) {
    return index == 0 ? ClipSize::Large : ClipSize::Small;
}

ClipArea areaOfButton(int index) {
    return index == 0 ? ClipArea::Whole : ClipArea::Range;
}
} // namespace

Clipping::Clipping(AppContext& program, QWidget& parent)
    : QObject(&parent), m_program(program), m_window(new ClipWindow(&parent)) {
    ClipWindow& window = *m_window;
    for (int i = 0; i < 2; ++i) {
        connect(window.sizeButtons[i], &QPushButton::clicked, this,
                [this, i] { chooseSize(sizeOfButton(i)); });
        connect(window.areaButtons[i], &QPushButton::clicked, this,
                [this, i] { chooseArea(areaOfButton(i)); });
    }
    connect(window.clipButton, &QPushButton::clicked, this, &Clipping::clip);
    connect(window.photoBox, &PictureBox::mouseDown, this, &Clipping::mouseDown);
    connect(window.photoBox, &PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, QPoint pos) { mouseMove(pos); });
    showFaces();
}

void Clipping::open(int photo) {
    ProgramState& state = m_program.state;
    const QString hostPath = m_program.services.files.hostPath(state.folder.PhotoPaths[photo]);
    PhotoReader reader(hostPath);
    const QSize photoSize = reader.uprightSize();
    QImage picture = reader.scaled(fittedSize(photoSize, clipDrawSize(ClipSize::Large)));
    if (picture.isNull()) {
        m_program.services.messages.inform(UnreadablePhotoMessage);
        return;
    }
    state.folder.ImageWidth = photoSize.width();
    state.folder.ImageHeight = photoSize.height();
    m_photoSize = photoSize;
    m_photo = std::move(picture);
    m_smallPhoto = m_photo.scaled(fittedSize(photoSize, clipDrawSize(ClipSize::Small)),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    placePicture();
    m_program.services.modals.runModal(*m_window);
}

void Clipping::chooseSize(ClipSize size) {
    m_state.size = size;
    showFaces();
    PictureBox& picture = *m_window->photoBox;
    picture.clear();
    picture.hide();
    placePicture();
    picture.show();
}

void Clipping::chooseArea(ClipArea area) {
    m_state.area = area;
    showFaces();
    m_state.corners = 0;
    if (area == ClipArea::Range)
        m_program.services.messages.inform(RangeHintMessage);
    PictureBox& picture = *m_window->photoBox;
    picture.hide();
    placePicture();
    picture.show();
}

void Clipping::mouseDown(Qt::MouseButton button, QPoint pos) {
    if (m_state.area == ClipArea::Whole)
        return;
    drawPhoto();
    if (button == Qt::RightButton) {
        m_state.corners = 0;
        return;
    }
    if (m_state.corners == 0) {
        m_state.first = pos;
        m_state.corners = 1;
        return;
    }
    m_state.second = pos;
    m_state.corners = 2;
    drawChosenFrame();
}

void Clipping::mouseMove(QPoint pos) {
    PictureBox& picture = *m_window->photoBox;
    // A held button lets the pointer leave the box; the frame stays on it.
    const QPoint corner = clampedInto(pos, picture.size());
    if (m_state.corners != 1 || corner == m_state.loose)
        return;
    picture.setDrawMode(PictureBox::DrawMode::Xor);
    if (m_state.loose.x() != -1)
        picture.drawBox(QRect(m_state.first, m_state.loose), Qt::white);
    picture.drawBox(QRect(m_state.first, corner), Qt::white);
    m_state.loose = corner;
    picture.setDrawMode(PictureBox::DrawMode::Copy);
}

void Clipping::clip() {
    Clipboard& clipboard = m_program.services.clipboard;
    PictureBox& work = *m_window->cutSurface;
    work.clear();
    clipboard.clear();
    drawPhoto();

    // Only the photo as drawn is clipped, never the box around it.
    const QRect photo = fitInside(m_photoSize, QRect(QPoint(0, 0), clipDrawSize(m_state.size)));
    QImage result;
    if (m_state.corners == 0) {
        result = m_window->photoBox->image().copy(photo);
    } else if (m_state.corners == 2) {
        const QImage box = m_window->photoBox->image();
        const QRect area = clipRectangle(m_state.first, m_state.second) & photo;
        work.resize(area.size());
        work.stretchFrom(box, area, QRect(QPoint(0, 0), area.size()));
        work.refreshNow();
        result = work.image();
    }
    m_state.corners = 0;
    m_state.loose = QPoint(-1, -1);
    if (!result.isNull() && !result.size().isEmpty() && !clipboard.setImage(result))
        m_program.services.messages.inform(ClipboardFailedMessage);
}

void Clipping::showFaces() {
    for (int i = 0; i < 2; ++i) {
        setFaceColor(m_window->sizeButtons[i],
                     sizeOfButton(i) == m_state.size ? ChosenSize : Unchosen);
        setFaceColor(m_window->areaButtons[i],
                     areaOfButton(i) == m_state.area ? ChosenArea : Unchosen);
    }
}

void Clipping::placePicture() {
    m_window->photoBox->setGeometry(clipPictureBox(m_state.size));
    drawPhoto();
    if (m_state.corners == 2)
        drawChosenFrame();
}

void Clipping::drawPhoto() {
    const QImage& photo = m_state.size == ClipSize::Small ? m_smallPhoto : m_photo;
    PictureBox& picture = *m_window->photoBox;
    picture.clear();
    picture.stretchFrom(photo, photo.rect(),
                        fitInside(m_photoSize, QRect(QPoint(0, 0), clipDrawSize(m_state.size))));
    picture.refreshNow();
    m_state.loose = QPoint(-1, -1);
}

void Clipping::drawChosenFrame() {
    PictureBox& picture = *m_window->photoBox;
    picture.setDrawMode(PictureBox::DrawMode::Copy);
    picture.drawBox(clipOuterFrame(m_state.first, m_state.second), Qt::white);
    picture.drawBox(clipRectangle(m_state.first, m_state.second), Qt::black);
    picture.refreshNow();
}

void connectClipCommands(AppContext& program, MainWindow& form) {
    QObject::connect(form.clipAction, &QAction::triggered, &form,
                     [&program] { program.services.messages.inform(ClipHintMessage); });
}
