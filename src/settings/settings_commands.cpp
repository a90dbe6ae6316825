#include "settings/settings_commands.h"

#include "library/settings_file.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "settings/form5.h"
#include "settings/form6.h"
#include "settings/settings_check.h"
#include "settings/settings_form_values.h"
#include "state/program_state.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void saveSettings(AppContext& program, Form5& window, const QString& programFolder,
                  const std::function<void()>& endProgram) {
    MessageService& messages = program.services.messages;
    const FileSystem& files = program.services.files;
    const SettingsTexts texts = window.texts();
    if (const std::optional<QString> refusal = settingsRefusal(texts)) {
        messages.inform(*refusal);
        return;
    }
    const SettingsValues values = *settingsFromTexts(texts);
    const QStringList privateFields =
        privateDriveFields(files, values, settingsInForce(program.state));
    if (!privateFields.isEmpty() && !messages.askYesNo(privateDriveQuestion(privateFields)))
        return;
    if (!writeSettingsFile(files, programFolder + u'/' + SettingsFileName, values)) {
        messages.inform(QStringLiteral("環境を保存できませんでした。"));
        return;
    }
    messages.inform(QStringLiteral("「しゃしんばこ」を終了します。"));
    window.hide();
    endProgram();
}

// The picker starts in the folder the box names; the folder is shown as a
// drive path; a cancel leaves the box empty, and a folder that lies on no
// drive leaves it as it was.
void chooseFolderInto(AppContext& program, Form5& window) {
    const QString current = window.Text1->text().trimmed();
    const std::optional<QString> chosen = program.services.dialogs.chooseFolder(
        &window, current.isEmpty() ? QString() : program.services.files.hostPath(current));
    const QString path = chosen ? program.services.files.drivePath(*chosen) : QString();
    if (chosen && path.isEmpty()) {
        program.services.messages.inform(QStringLiteral(
            "「写真ドライブ」に えらんだ フォルダは どの ドライブにも ありません。"));
        return;
    }
    window.Text1->setText(path);
}

void chooseSaveDrive(AppContext& program, Form6& window, int index) {
    ProgramState& state = program.state;
    state.SaveRoot = saveRootOfDriveButton(index);
    state.SaveBase = state.SaveRoot;
    program.form.Command8->setText(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(") + state.SaveRoot.left(2) + u')');
    window.hide();
    state.ClassFolder = state.SaveRoot;
}

void openForm6(AppContext& program, Form6& window) {
    window.Text1->setText(program.state.SaveRoot.left(2));
    program.services.modals.runModal(window);
}
