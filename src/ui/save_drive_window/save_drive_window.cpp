// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_drive_window/save_drive_window.h"

#include "ui/widgets/control_builders.h"
#include "ui/widgets/control_names.h"
#include "ui/widgets/fonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Drives A and C to I (there is no button for B); captions 0 to 6 are
// full-width letters, the last is the ordinary "I".
constexpr std::array<const char16_t*, 8> DriveCaptions{u"Ａ", u"Ｃ", u"Ｄ", u"Ｅ",
                                                       u"Ｆ", u"Ｇ", u"Ｈ", u"I"};
} // namespace

SaveDriveWindow::SaveDriveWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SaveDriveWindow"));
    // The caption users have always seen on this window.
    setWindowTitle(QStringLiteral("Form6"));
    setFixedSize(358, 201);

    m_frameBox = new QFrame(this);
    m_frameBox->setFrameShape(QFrame::Box);
    m_frameBox->setGeometry(12, 4, 329, 81);
    const QFont labelFont = designFont(Gothic, 15.75);
    m_promptFirstLine =
        makeLabel(QStringLiteral("データを保存するドライブを"), this, QRect(48, 16, 273, 21));
    m_promptSecondLine =
        makeLabel(QStringLiteral("下からえらんでください。"), this, QRect(28, 48, 252, 21));
    m_currentDriveLabel =
        makeLabel(QStringLiteral("現在の保存ドライブ"), this, QRect(20, 100, 189, 21));
    for (QLabel* label : {m_promptFirstLine, m_promptSecondLine, m_currentDriveLabel})
        label->setFont(labelFont);
    m_currentDriveEdit = new QLineEdit(this);
    m_currentDriveEdit->setGeometry(216, 100, 121, 25);
    m_currentDriveEdit->setFont(designFont(Gothic, 14.25));

    for (int i = 0; i < int(m_driveButtons.size()); ++i) {
        auto* button = new QPushButton(QString::fromUtf16(DriveCaptions[i]), this);
        button->setAutoDefault(false);
        button->setGeometry(4 + 44 * i, 152, 41, 41);
        button->setFont(designFont(Gothic, 20.25, true));
        connect(button, &QPushButton::clicked, this, [this, i] { emit driveChosen(i); });
        m_driveButtons[i] = button;
    }
    nameEach(m_driveButtons, "driveButton");
    nameAll({{m_frameBox, "frameBox"},
             {m_promptFirstLine, "promptFirstLine"},
             {m_promptSecondLine, "promptSecondLine"},
             {m_currentDriveLabel, "currentDriveLabel"},
             {m_currentDriveEdit, "currentDriveEdit"}});
}

void SaveDriveWindow::showCurrentDrive(const QString& drive) {
    m_currentDriveEdit->setText(drive);
}
