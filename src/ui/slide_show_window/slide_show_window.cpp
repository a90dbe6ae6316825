// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slide_show_window/slide_show_window.h"

#include "core/geometry/slide_layout.h"
#include "ui/slide_show_window/layout_icons.h"
#include "ui/widgets/control_builders.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
const QColor WindowColor(192, 255, 255);

// An icon box: a one-pixel border around the icon, stretched to the box.
void drawIconBox(PictureBox& box, bool withStrip) {
    box.setBackColor(Qt::white);
    box.drawBox(box.rect(), Qt::gray);
    const QImage icon = layoutIcon(withStrip);
    box.stretchFrom(icon, icon.rect(), box.rect().adjusted(1, 1, -1, -1));
}

PictureBox* makeIconBox(QWidget* parent, bool withStrip) {
    auto* box = new PictureBox(parent);
    box->resize(LayoutIconWidth + 2, LayoutIconHeight + 2);
    drawIconBox(*box, withStrip);
    box->setCursor(Qt::PointingHandCursor);
    box->setAccessibleRole(QAccessible::Button);
    box->setAccessibleName(withStrip ? QStringLiteral("いちらんをだす")
                                     : QStringLiteral("いちらんをけす"));
    return box;
}
} // namespace

SlideShowWindow::SlideShowWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SlideShowWindow"));
    setWindowTitle(QStringLiteral("スライドショー"));
    fillWith(this, WindowColor);

    photoBox = new PictureBox(this);
    photoBox->setBackColor(Qt::black);
    photoBox->setAccessibleName(QStringLiteral("しゃしん"));
    thumbnailStrip = new PictureBox(this);
    thumbnailStrip->setAccessibleName(QStringLiteral("いちらん"));
    thumbnailStrip->setAccessibleRole(QAccessible::List);
    thumbnailStrip->resize(101, 721);
    thumbnailStrip->setBackColor(Qt::white);
    thumbnailStrip->hide();
    layoutButtons[0] = makeIconBox(this, false);
    layoutButtons[1] = makeIconBox(this, true);
    for (int i = 0; i < 2; ++i)
        connect(layoutButtons[i], &PictureBox::mouseDown, this,
                [this, i] { emit stripAsked(i == 1); });

    endButton = makeButton(QStringLiteral("おわり"), this, QRect(0, 0, 87, 41));
    endButton->setFont(designFont(PGothic, 14.25, true));
    stepButtons[0] = makeButton(QStringLiteral("＜"), this, QRect(0, 0, 89, 41));
    stepButtons[1] = makeButton(QStringLiteral("＞"), this, QRect(0, 0, 89, 41));
    for (QPushButton* arrow : stepButtons)
        arrow->setFont(designFont(PGothic, 24, true));
    // Keys belong to the window, which steps the show with them.
    for (QPushButton* button : {endButton, stepButtons[0], stepButtons[1]})
        button->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
}

void SlideShowWindow::place(const SlideLayout& layout) {
    photoBox->setGeometry(layout.picture);
    thumbnailStrip->setGeometry(layout.strip);
    endButton->setGeometry(layout.endButton);
    endButton->setFont(designFont(PGothic, 14.25 * layout.scale, true));
    for (int i = 0; i < 2; ++i) {
        stepButtons[i]->setGeometry(layout.stepButtons[i]);
        stepButtons[i]->setFont(designFont(PGothic, 24 * layout.scale, true));
        layoutButtons[i]->setGeometry(layout.icons[i]);
        drawIconBox(*layoutButtons[i], i == 1);
        layoutButtons[i]->setVisible(layout.offersStrip);
    }
}

void SlideShowWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        stepButtons[0]->click();
        break;
    case Qt::Key_Right:
        stepButtons[1]->click();
        break;
    case Qt::Key_Escape:
        endButton->click();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (layoutButtons[1]->isVisible())
            emit stripAsked(event->key() == Qt::Key_Up);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
