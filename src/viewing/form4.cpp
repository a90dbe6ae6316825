#include "viewing/form4.h"

#include "main_window/control_builders.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"

#include <QPushButton>

namespace {
const QColor WindowColor(255, 255, 192);

QPushButton* makeButton(const QString& text, QWidget* parent, const QRect& geometry,
                        const QColor& face) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    setFaceColor(button, face);
    return button;
}
} // namespace

void setFaceColor(QPushButton* button, const QColor& color) {
    const QString rgb =
        QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
    // A new style sheet drops the font the button had from its window, so the
    // button keeps that font itself.
    const QFont font = button->font();
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 2px outset %1; }"
                                         "QPushButton:pressed { border-style: inset; }")
                              .arg(rgb));
    button->setFont(font);
}

Form4::Form4(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("しゃしんのクリップ"));
    setFont(designFont(Mincho, 14.25));
    fillWith(this, WindowColor);
    setFixedSize(651, 538);

    const QColor unchosen(224, 224, 224);
    Command1[0] =
        makeButton(QStringLiteral("640×480"), this, QRect(4, 4, 101, 41), QColor(192, 255, 255));
    Command1[1] = makeButton(QStringLiteral("320×240"), this, QRect(108, 4, 101, 41), unchosen);
    Command2[0] =
        makeButton(QStringLiteral("すべて"), this, QRect(220, 4, 101, 41), QColor(192, 255, 192));
    Command2[1] = makeButton(QStringLiteral("はんい"), this, QRect(324, 4, 101, 41), unchosen);
    Command3 =
        makeButton(QStringLiteral("クリップ"), this, QRect(440, 4, 105, 41), QColor(192, 192, 255));
    Command4 =
        makeButton(QStringLiteral("とじる"), this, QRect(548, 4, 97, 41), QColor(255, 192, 192));

    Picture1 = new PictureBox(this);
    Picture1->setGeometry(4, 51, 641, 481);
    // The rubber-band frame follows the pointer with no button held.
    Picture1->setMouseTracking(true);
    Picture2 = new PictureBox(this);
    Picture2->setGeometry(4, 48, 173, 125);
    Picture2->hide();

    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
}
