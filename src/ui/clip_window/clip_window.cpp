// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clip_window/clip_window.h"

#include "ui/widgets/control_builders.h"
#include "ui/widgets/control_names.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"

#include <QPushButton>

namespace {
const QColor WindowColor(255, 255, 192);
const QColor Unchosen(224, 224, 224);
const QColor ChosenSize(192, 255, 255);
const QColor ChosenArea(192, 255, 192);
} // namespace

ClipWindow::ClipWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ClipWindow"));
    setWindowTitle(QStringLiteral("しゃしんのクリップ"));
    setFont(designFont(Mincho, 14.25));
    fillWith(this, WindowColor);
    setFixedSize(651, 538);

    m_sizeButtons[0] =
        makeFaceButton(QStringLiteral("640×480"), this, QRect(4, 4, 101, 41), ChosenSize);
    m_sizeButtons[1] =
        makeFaceButton(QStringLiteral("320×240"), this, QRect(108, 4, 101, 41), Unchosen);
    m_areaButtons[0] =
        makeFaceButton(QStringLiteral("すべて"), this, QRect(220, 4, 101, 41), ChosenArea);
    m_areaButtons[1] =
        makeFaceButton(QStringLiteral("はんい"), this, QRect(324, 4, 101, 41), Unchosen);
    m_clipButton = makeFaceButton(QStringLiteral("クリップ"), this, QRect(440, 4, 105, 41),
                                  QColor(192, 192, 255));
    m_closeButton = makeFaceButton(QStringLiteral("とじる"), this, QRect(548, 4, 97, 41),
                                   QColor(255, 192, 192));

    m_photoBox = new PictureBox(this);
    m_photoBox->setGeometry(4, 51, 641, 481);
    // The rubber-band frame follows the pointer with no button held.
    m_photoBox->setMouseTracking(true);
    m_cutSurface = new PictureBox(this);
    m_cutSurface->setGeometry(4, 48, 173, 125);
    m_cutSurface->hide();

    nameEach(m_sizeButtons, "sizeButton");
    nameEach(m_areaButtons, "areaButton");
    nameAll({{m_clipButton, "clipButton"},
             {m_closeButton, "closeButton"},
             {m_photoBox, "photoBox"},
             {m_cutSurface, "cutSurface"}});

    for (int i = 0; i < 2; ++i) {
        connect(m_sizeButtons[i], &QPushButton::clicked, this, [this, i] { emit sizeChosen(i); });
        connect(m_areaButtons[i], &QPushButton::clicked, this, [this, i] { emit areaChosen(i); });
    }
    connect(m_clipButton, &QPushButton::clicked, this, &ClipWindow::clipRequested);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_photoBox, &PictureBox::mouseDown, this, &ClipWindow::photoPressed);
    connect(m_photoBox, &PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, QPoint pos) { emit pointerMoved(pos); });
}

void ClipWindow::showChosen(int sizeMode, int areaMode) {
    for (int i = 0; i < 2; ++i) {
        setFaceColor(m_sizeButtons[i], i == sizeMode ? ChosenSize : Unchosen);
        setFaceColor(m_areaButtons[i], i == areaMode ? ChosenArea : Unchosen);
    }
}
