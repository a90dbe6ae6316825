#include "viewing/form3.h"

#include "main_window/control_builders.h"
#include "platform_gui/fonts.h"
#include "platform_gui/picture_box.h"
#include "viewing/layout_icons.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
const QColor WindowColor(192, 255, 255);

// An icon box: a one-pixel border around the icon.
PictureBox* makeIconBox(QWidget* parent, bool withStrip) {
    auto* box = new PictureBox(parent);
    box->resize(LayoutIconWidth + 2, LayoutIconHeight + 2);
    box->setBackColor(Qt::white);
    box->drawBox(box->rect(), Qt::gray);
    const QImage icon = layoutIcon(withStrip);
    box->stretchFrom(icon, icon.rect(), QRect(QPoint(1, 1), icon.size()));
    box->setCursor(Qt::PointingHandCursor);
    return box;
}
} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("スライドショー"));
    fillWith(this, WindowColor);

    Picture1 = new PictureBox(this);
    Picture1->setBackColor(Qt::black);
    Picture2 = new PictureBox(this);
    Picture2->resize(101, 721);
    Picture2->setBackColor(Qt::white);
    Picture2->hide();
    Picture3[0] = makeIconBox(this, false);
    Picture3[1] = makeIconBox(this, true);

    Command1 = makeButton(QStringLiteral("おわり"), this, QRect(0, 0, 87, 41));
    Command1->setFont(designFont(PGothic, 14.25, true));
    Command2[0] = makeButton(QStringLiteral("＜"), this, QRect(0, 0, 89, 41));
    Command2[1] = makeButton(QStringLiteral("＞"), this, QRect(0, 0, 89, 41));
    for (QPushButton* arrow : Command2)
        arrow->setFont(designFont(PGothic, 24, true));
    // Keys belong to the window, which steps the show with them.
    for (QPushButton* button : {Command1, Command2[0], Command2[1]})
        button->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        Command2[0]->click();
        break;
    case Qt::Key_Right:
        Command2[1]->click();
        break;
    case Qt::Key_Escape:
        Command1->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
