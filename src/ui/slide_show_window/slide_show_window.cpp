// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slide_show_window/slide_show_window.h"

#include "core/geometry/slide_layout.h"
#include "ui/slide_show_window/layout_icons.h"
#include "ui/widgets/control_builders.h"
#include "ui/widgets/control_names.h"
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

    m_photoBox = new PictureBox(this);
    m_photoBox->setBackColor(Qt::black);
    m_photoBox->setAccessibleName(QStringLiteral("しゃしん"));
    m_thumbnailStrip = new PictureBox(this);
    m_thumbnailStrip->setAccessibleName(QStringLiteral("いちらん"));
    m_thumbnailStrip->setAccessibleRole(QAccessible::List);
    m_thumbnailStrip->resize(101, 721);
    m_thumbnailStrip->setBackColor(Qt::white);
    m_thumbnailStrip->hide();
    m_layoutButtons[0] = makeIconBox(this, false);
    m_layoutButtons[1] = makeIconBox(this, true);
    for (int i = 0; i < 2; ++i)
        connect(m_layoutButtons[i], &PictureBox::mouseDown, this,
                [this, i] { emit stripAsked(i == 1); });

    m_endButton = makeButton(QStringLiteral("おわり"), this, QRect(0, 0, 87, 41));
    m_endButton->setFont(designFont(PGothic, 14.25, true));
    m_stepButtons[0] = makeButton(QStringLiteral("＜"), this, QRect(0, 0, 89, 41));
    m_stepButtons[1] = makeButton(QStringLiteral("＞"), this, QRect(0, 0, 89, 41));
    for (QPushButton* arrow : m_stepButtons)
        arrow->setFont(designFont(PGothic, 24, true));
    // Keys belong to the window, which steps the show with them.
    for (QPushButton* button : {m_endButton, m_stepButtons[0], m_stepButtons[1]})
        button->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);

    nameEach(m_layoutButtons, "layoutButton");
    nameEach(m_stepButtons, "stepButton");
    nameAll({{m_photoBox, "photoBox"},
             {m_thumbnailStrip, "thumbnailStrip"},
             {m_endButton, "endButton"}});
    connect(m_endButton, &QPushButton::clicked, this, &QWidget::hide);
    for (int i = 0; i < 2; ++i)
        connect(m_stepButtons[i], &QPushButton::clicked, this,
                [this, i] { emit stepRequested(i); });
    connect(m_thumbnailStrip, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, QPoint pos) { emit stripPressed(pos); });
}

void SlideShowWindow::place(const SlideLayout& layout) {
    m_photoBox->setGeometry(layout.picture);
    m_thumbnailStrip->setGeometry(layout.strip);
    m_endButton->setGeometry(layout.endButton);
    m_endButton->setFont(designFont(PGothic, 14.25 * layout.scale, true));
    for (int i = 0; i < 2; ++i) {
        m_stepButtons[i]->setGeometry(layout.stepButtons[i]);
        m_stepButtons[i]->setFont(designFont(PGothic, 24 * layout.scale, true));
        m_layoutButtons[i]->setGeometry(layout.icons[i]);
        drawIconBox(*m_layoutButtons[i], i == 1);
        m_layoutButtons[i]->setVisible(layout.offersStrip);
    }
}

void SlideShowWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        m_stepButtons[0]->click();
        break;
    case Qt::Key_Right:
        m_stepButtons[1]->click();
        break;
    case Qt::Key_Escape:
        m_endButton->click();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (m_layoutButtons[1]->isVisible())
            emit stripAsked(event->key() == Qt::Key_Up);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
