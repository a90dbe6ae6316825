// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace {
const QString ProgramTitle = QStringLiteral("Fotobako");
}

void QtMessageService::inform(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtMessageService::askYesNo(const QString& text, QuestionDefault answer) {
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setDefaultButton(answer == QuestionDefault::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtMessageService::beep() {
    QApplication::beep();
}
