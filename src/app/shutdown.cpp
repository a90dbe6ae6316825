// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shutdown.h"

#include "core/commands/app_context.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QCoreApplication>

void endProgramNow() {
    QCoreApplication::exit(0);
}

void connectShutDown(AppContext& program, MainWindow& form, std::function<void()> endProgram) {
    MessageService& messages = program.services.messages;
    QObject::connect(form.quitAction, &QAction::triggered, &form, [&messages, endProgram] {
        if (messages.askYesNo(QStringLiteral("おわります")))
            endProgram();
    });
    QObject::connect(&form, &MainWindow::closeRequested, &form, endProgram);
}
