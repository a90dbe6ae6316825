// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_services.h"

#include <QDialog>
#include <gtest/gtest.h>

bool ScriptedMessages::askYesNo(const QString& text, QuestionDefault) {
    shown << text;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedModals::runModal(QDialog& dialog) {
    ++opened;
    dialog.show();
    if (script)
        script(dialog);
    dialog.hide();
}
