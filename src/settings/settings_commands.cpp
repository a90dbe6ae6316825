#include "settings/settings_commands.h"

#include "library/settings_file.h"
#include "main_window/form1.h"
#include "main_window/program.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "settings/form5.h"
#include "settings/form6.h"
#include "settings/settings_form_values.h"
#include "state/program_state.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void saveSettings(Program& program, Form5& window, const QString& programFolder,
                  const std::function<void()>& endProgram) {
    MessageService& messages = program.services.messages;
    const std::optional<SettingsValues> values = settingsFromTexts(
        {window.Text1->text(), window.Combo2->currentText(), window.Combo1->currentText(),
         window.Combo3->currentText(), window.Combo4->currentText(), window.Combo5->currentText()});
    if (!values) {
        messages.inform(QStringLiteral("ノード番号がただしくありません。"));
        return;
    }
    if (!writeSettingsFile(program.services.files, programFolder + u'/' + SettingsFileName,
                           *values)) {
        messages.inform(QStringLiteral("環境を保存できませんでした。"));
        return;
    }
    messages.inform(QStringLiteral("「しゃしんばこ」を終了します。"));
    window.hide();
    endProgram();
}

// The picker starts in the folder the box names; the folder is shown as a
// drive path; a cancel leaves the box empty.
void chooseFolderInto(Program& program, Form5& window) {
    const QString current = window.Text1->text().trimmed();
    const std::optional<QString> chosen = program.services.dialogs.chooseFolder(
        &window, current.isEmpty() ? QString() : program.services.files.hostPath(current));
    window.Text1->setText(chosen ? program.services.files.drivePath(*chosen) : QString());
}

void chooseSaveDrive(Program& program, Form6& window, int index) {
    ProgramState& state = program.state;
    state.SaveRoot = saveRootOfDriveButton(index);
    state.SaveBase = state.SaveRoot;
    program.form.Command8->setText(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(") + state.SaveRoot.left(2) + u')');
    window.hide();
    state.ClassFolder = state.SaveRoot;
}

void openForm6(Program& program, Form6& window) {
    window.Text1->setText(program.state.SaveRoot.left(2));
    program.services.modals.runModal(window);
}
