#include "app/shutdown.h"

#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/message_service.h"
#include "platform/services.h"

#include <QAction>
#include <QCoreApplication>

void endProgramNow() {
    QCoreApplication::exit(0);
}

void connectShutDown(AppContext& program, std::function<void()> endProgram) {
    Form1& form = program.form;
    MessageService& messages = program.services.messages;
    QObject::connect(form.mnuend, &QAction::triggered, &form, [&messages, endProgram] {
        if (messages.askYesNo(QStringLiteral("おわります")))
            endProgram();
    });
    QObject::connect(&form, &Form1::closeRequested, &form, endProgram);
}
