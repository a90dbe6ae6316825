// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings_window/settings_window.h"

#include "ui/widgets/control_builders.h"
#include "ui/widgets/control_names.h"
#include "ui/widgets/fonts.h"

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
// Letter case is ignored, as the file system ignores it: "C:\A_IMAGE\" takes
// the place of the entry "C:\A_image\" rather than standing beside it.
void choose(QComboBox* combo, const QString& value) {
    int index = combo->findText(value, Qt::MatchFixedString);
    if (index >= 0)
        combo->setItemText(index, value);
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

SettingsWindow::SettingsWindow(const SettingsValues& inForce, int lastYear, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SettingsWindow"));
    setWindowTitle(QStringLiteral("環境設定"));
    setFont(designFont(Gothic, 15.75));
    fillWith(this, WindowColor);
    setFixedSize(465, 199);

    m_saveButton = makeFaceButton(QStringLiteral("環境を保存する"), this, QRect(4, 4, 185, 33),
                                  QColor(192, 255, 192));
    m_cancelButton = makeFaceButton(QStringLiteral("キャンセル"), this, QRect(196, 4, 133, 33),
                                    QColor(255, 192, 192));
    m_photoDriveLabel =
        makeWindowLabel(QStringLiteral("写真ドライブ"), this, QRect(4, 44, 137, 21));
    m_photoDriveEdit = new QLineEdit(this);
    m_photoDriveEdit->setGeometry(144, 40, 237, 27);
    m_browseButton =
        makeFaceButton(QStringLiteral("参照"), this, QRect(384, 40, 77, 29), QColor(192, 255, 255));
    m_saveDriveLabel = makeWindowLabel(QStringLiteral("保存ドライブ"), this, QRect(4, 72, 141, 25));
    m_saveDriveCombo =
        makeCombo(this, QRect(144, 68, 181, 29), driveFolders(QStringLiteral("A_image")));
    m_schoolYearLabel =
        makeWindowLabel(QStringLiteral("利用年度･････"), this, QRect(4, 104, 139, 21));
    m_schoolYearCombo = makeCombo(this, QRect(144, 100, 109, 29), schoolYears(lastYear));
    m_usageModeLabel = makeWindowLabel(QStringLiteral("利用形態"), this, QRect(260, 104, 84, 21));
    m_usageModeCombo = makeCombo(this, QRect(348, 100, 113, 29),
                                 {QStringLiteral("学校利用"), QStringLiteral("個人利用")});
    m_separatorLine = new QFrame(this);
    m_separatorLine->setFrameShape(QFrame::HLine);
    m_separatorLine->setFrameShadow(QFrame::Plain);
    m_separatorLine->setGeometry(4, 132, 457, 1);
    m_networkLabels[0] = makeWindowLabel(QStringLiteral("ネットワーク利用時のノード番号"), this,
                                         QRect(4, 140, 315, 21));
    m_nodeNumberCombo = makeCombo(this, QRect(328, 136, 133, 29), nodeNumbers(), true);
    m_networkLabels[1] =
        makeWindowLabel(QStringLiteral("ネットワーク保存ドライブ"), this, QRect(4, 172, 252, 21));
    m_databaseFolderCombo =
        makeCombo(this, QRect(280, 168, 181, 29), driveFolders(QStringLiteral("Adb_image")));

    showSettings(inForce);
    nameEach(m_networkLabels, "networkLabel");
    nameAll({{m_saveButton, "saveButton"},
             {m_cancelButton, "cancelButton"},
             {m_photoDriveLabel, "photoDriveLabel"},
             {m_photoDriveEdit, "photoDriveEdit"},
             {m_browseButton, "browseButton"},
             {m_saveDriveLabel, "saveDriveLabel"},
             {m_saveDriveCombo, "saveDriveCombo"},
             {m_schoolYearLabel, "schoolYearLabel"},
             {m_schoolYearCombo, "schoolYearCombo"},
             {m_usageModeLabel, "usageModeLabel"},
             {m_usageModeCombo, "usageModeCombo"},
             {m_separatorLine, "separatorLine"},
             {m_nodeNumberCombo, "nodeNumberCombo"},
             {m_databaseFolderCombo, "databaseFolderCombo"}});
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsWindow::reject);
    connect(m_browseButton, &QPushButton::clicked, this,
            &SettingsWindow::photoDriveBrowseRequested);
    connect(m_saveButton, &QPushButton::clicked, this, &SettingsWindow::saveRequested);
}

// Every use mode but "個人利用" is school use, the empty one included.
void SettingsWindow::showSettings(const SettingsValues& values) {
    m_photoDriveEdit->setText(values.photoDrive);
    choose(m_saveDriveCombo, values.saveBase);
    choose(m_schoolYearCombo, values.saveSubFolder);
    choose(m_usageModeCombo,
           values.usageMode.isEmpty() ? QStringLiteral("学校利用") : values.usageMode);
    m_nodeNumberCombo->setEditText(nodeText(values.pcNumber));
    choose(m_databaseFolderCombo, values.databaseRoot);
}

void SettingsWindow::showPhotoDrive(const QString& path) {
    m_photoDriveEdit->setText(path);
}

SettingsTexts SettingsWindow::texts() const {
    return {m_photoDriveEdit->text(),         m_saveDriveCombo->currentText(),
            m_schoolYearCombo->currentText(), m_usageModeCombo->currentText(),
            m_nodeNumberCombo->currentText(), m_databaseFolderCombo->currentText()};
}
