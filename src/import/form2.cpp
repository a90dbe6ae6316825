#include "import/form2.h"

#include "main_window/control_builders.h"
#include "platform/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int ClientWidth = 323;
constexpr int ClientHeight = 187;
const QColor WindowColor(255, 255, 192);
const QColor InstructionColor(192, 255, 255);

// Enter in the text box is handled there; a default button would run the
// command a second time.
QPushButton* makeButton(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}
} // namespace

Form2::Form2(QWidget* parent) : QDialog(parent), m_outerHeight(ClientHeight) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("しゃしんファイルのとりこみ"));
    setFont(designFont(PGothic, 15.75));
    fillWith(this, WindowColor);

    Label1 = makeLabel(QStringLiteral("フォルダ名"), this, QRect(8, 16, 93, 21));
    Label1->setFont(designFont(PGothic, 14.25));
    fillWith(Label1, WindowColor);
    Command1 = makeButton(QStringLiteral("じっこう"), this, QRect(136, 4, 77, 33));
    Command2 = makeButton(QStringLiteral("ｷｬﾝｾﾙ"), this, QRect(216, 4, 105, 33));
    Text1 = new QLineEdit(this);
    Text1->setGeometry(4, 44, 313, 30);
    Text1->setFont(designFont(Gothic, 18));

    Shape1 = new QLabel(this);
    Shape1->setGeometry(4, 80, 313, 101);
    fillWith(Shape1, InstructionColor);
    Label2 =
        makeLabel(QStringLiteral("フロッピーディスクをドライブＡに"), this, QRect(32, 84, 275, 21));
    Label3 = makeLabel(QStringLiteral("セットしてください。"), this, QRect(12, 108, 164, 21));
    Label4 = makeLabel(QStringLiteral("フォルダ名をタイプし、「じっこう」"), this,
                       QRect(32, 132, 278, 21));
    Label5 = makeLabel(QStringLiteral("ボタンをおしてください。"), this, QRect(12, 156, 207, 21));
    Label6 = makeLabel(QString(), this, QRect(12, 186, 305, 21));

    // Covers the instructions while an import copies, when they no longer apply.
    ImportProgress = new QProgressBar(this);
    ImportProgress->setGeometry(12, 116, 297, 29);
    ImportProgress->setFormat(QStringLiteral("%v / %m"));
    ImportProgress->setAlignment(Qt::AlignCenter);
    ImportProgress->hide();

    connect(Command1, &QPushButton::clicked, this, &Form2::runRequested);
    connect(Text1, &QLineEdit::returnPressed, this, &Form2::runRequested);
    connect(Command2, &QPushButton::clicked, this, &Form2::reject);

    fitOuterHeight();
}

void Form2::setOuterHeight(int pixels) {
    m_outerHeight = pixels;
    fitOuterHeight();
}

void Form2::showProgress(int copied, int found) {
    ImportProgress->setRange(0, found);
    ImportProgress->setValue(copied);
    ImportProgress->show();
    ImportProgress->repaint();
}

void Form2::showEvent(QShowEvent* event) {
    ImportProgress->hide();
    Text1->setFocus();
    QDialog::showEvent(event);
    fitOuterHeight();
}

void Form2::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    fitOuterHeight();
}

// The window manager reports its frame only once the window is mapped;
// until then the frame adds nothing.
void Form2::fitOuterHeight() {
    const int frame = frameGeometry().height() - geometry().height();
    setFixedSize(ClientWidth, std::max(0, m_outerHeight - frame));
}
