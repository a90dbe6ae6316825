#include "settings/form5.h"

#include "main_window/control_builders.h"
#include "platform_gui/fonts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor WindowColor(255, 255, 192);

QComboBox* makeCombo(QWidget* parent, const QRect& geometry, const QStringList& entries,
                     bool editable = false) {
    auto* combo = new QComboBox(parent);
    combo->setGeometry(geometry);
    combo->setEditable(editable);
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    return combo;
}

// "C:\<folder>\" to "Z:\<folder>\".
QStringList driveFolders(const QString& folder) {
    QStringList entries;
    for (char16_t letter = u'C'; letter <= u'Z'; ++letter)
        entries << QString(QChar(letter)) + QStringLiteral(":\\") + folder + u'\\';
    return entries;
}

QStringList schoolYears(int lastYear) {
    QStringList entries{QString()};
    for (int year = 2001; year <= lastYear; ++year)
        entries << QString::number(year);
    return entries;
}

QStringList nodeNumbers() {
    QStringList entries{QStringLiteral("利用しない"), QStringLiteral("先生機")};
    for (int number = 1; number <= 10; ++number)
        entries << QString::number(number);
    return entries;
}

// A value that is no entry of the list, such as a folder written by hand
// into the settings file, is added so that it is shown and saved unchanged.
void choose(QComboBox* combo, const QString& value) {
    int index = combo->findText(value);
    if (index < 0 && !value.isEmpty()) {
        combo->addItem(value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

QString nodeText(int number) {
    if (number == 999)
        return QStringLiteral("先生機");
    return number == 0 ? QStringLiteral("利用しない") : QString::number(number);
}

QLabel* makeWindowLabel(const QString& text, QWidget* parent, const QRect& geometry) {
    QLabel* label = makeLabel(text, parent, geometry);
    fillWith(label, WindowColor);
    return label;
}
} // namespace

Form5::Form5(const SettingsValues& inForce, int lastYear, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("環境設定"));
    setFont(designFont(Gothic, 15.75));
    fillWith(this, WindowColor);
    setFixedSize(465, 199);

    Command2 = makeFaceButton(QStringLiteral("環境を保存する"), this, QRect(4, 4, 185, 33),
                              QColor(192, 255, 192));
    Command3 = makeFaceButton(QStringLiteral("キャンセル"), this, QRect(196, 4, 133, 33),
                              QColor(255, 192, 192));
    Label2 = makeWindowLabel(QStringLiteral("写真ドライブ"), this, QRect(4, 44, 137, 21));
    Text1 = new QLineEdit(this);
    Text1->setGeometry(144, 40, 237, 27);
    Command1 =
        makeFaceButton(QStringLiteral("参照"), this, QRect(384, 40, 77, 29), QColor(192, 255, 255));
    Label3 = makeWindowLabel(QStringLiteral("保存ドライブ"), this, QRect(4, 72, 141, 25));
    Combo2 = makeCombo(this, QRect(144, 68, 181, 29), driveFolders(QStringLiteral("A_image")));
    Label1 = makeWindowLabel(QStringLiteral("利用年度･････"), this, QRect(4, 104, 139, 21));
    Combo1 = makeCombo(this, QRect(144, 100, 109, 29), schoolYears(lastYear));
    Label4 = makeWindowLabel(QStringLiteral("利用形態"), this, QRect(260, 104, 84, 21));
    Combo3 = makeCombo(this, QRect(348, 100, 113, 29),
                       {QStringLiteral("学校利用"), QStringLiteral("個人利用")});
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(4, 132, 457, 1);
    Label5[0] = makeWindowLabel(QStringLiteral("ネットワーク利用時のノード番号"), this,
                                QRect(4, 140, 315, 21));
    Combo4 = makeCombo(this, QRect(328, 136, 133, 29), nodeNumbers(), true);
    Label5[1] =
        makeWindowLabel(QStringLiteral("ネットワーク保存ドライブ"), this, QRect(4, 172, 252, 21));
    Combo5 = makeCombo(this, QRect(280, 168, 181, 29), driveFolders(QStringLiteral("Adb_image")));

    showSettings(inForce);
    connect(Command3, &QPushButton::clicked, this, &Form5::reject);
}

// Every use mode but "個人利用" is school use, the empty one included.
void Form5::showSettings(const SettingsValues& values) {
    Text1->setText(values.floppyDrive);
    choose(Combo2, values.saveBase);
    choose(Combo1, values.saveSubFolder);
    choose(Combo3, values.usageMode.isEmpty() ? QStringLiteral("学校利用") : values.usageMode);
    Combo4->setEditText(nodeText(values.pcNumber));
    choose(Combo5, values.databaseRoot);
}

SettingsTexts Form5::texts() const {
    return {Text1->text(),         Combo2->currentText(), Combo1->currentText(),
            Combo3->currentText(), Combo4->currentText(), Combo5->currentText()};
}
