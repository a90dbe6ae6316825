// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clip_window/clip_window.h"

#include "ui/widgets/control_builders.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"

#include <QPushButton>

namespace {
const QColor WindowColor(255, 255, 192);
} // namespace

ClipWindow::ClipWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ClipWindow"));
    setWindowTitle(QStringLiteral("しゃしんのクリップ"));
    setFont(designFont(Mincho, 14.25));
    fillWith(this, WindowColor);
    setFixedSize(651, 538);

    const QColor unchosen(224, 224, 224);
    sizeButtons[0] = makeFaceButton(QStringLiteral("640×480"), this, QRect(4, 4, 101, 41),
                                    QColor(192, 255, 255));
    sizeButtons[1] =
        makeFaceButton(QStringLiteral("320×240"), this, QRect(108, 4, 101, 41), unchosen);
    areaButtons[0] = makeFaceButton(QStringLiteral("すべて"), this, QRect(220, 4, 101, 41),
                                    QColor(192, 255, 192));
    areaButtons[1] =
        makeFaceButton(QStringLiteral("はんい"), this, QRect(324, 4, 101, 41), unchosen);
    clipButton = makeFaceButton(QStringLiteral("クリップ"), this, QRect(440, 4, 105, 41),
                                QColor(192, 192, 255));
    closeButton = makeFaceButton(QStringLiteral("とじる"), this, QRect(548, 4, 97, 41),
                                 QColor(255, 192, 192));

    photoBox = new PictureBox(this);
    photoBox->setGeometry(4, 51, 641, 481);
    // The rubber-band frame follows the pointer with no button held.
    photoBox->setMouseTracking(true);
    cutSurface = new PictureBox(this);
    cutSurface->setGeometry(4, 48, 173, 125);
    cutSurface->hide();

    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}
