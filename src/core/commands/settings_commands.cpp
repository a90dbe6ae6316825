#include "core/commands/settings_commands.h"

#include "core/commands/settings_check.h"
#include "core/files/file_system.h"
#include "core/library/save_root.h"
#include "core/library/settings_file.h"
#include "core/library/settings_form_values.h"
#include "core/services/clock.h"
#include "core/services/file_dialogs.h"
#include "core/services/message_service.h"
#include "core/services/modal_runner.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/main_window.h"
#include "ui/save_drive_window/save_drive_window.h"
#include "ui/settings_window/settings_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void saveSettings(AppContext& program, SettingsWindow& window, const QString& programFolder,
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
void chooseFolderInto(AppContext& program, SettingsWindow& window) {
    const QString current = window.photoDriveEdit->text().trimmed();
    const std::optional<QString> chosen = program.services.dialogs.chooseFolder(
        &window, current.isEmpty() ? QString() : program.services.files.hostPath(current));
    const QString path = chosen ? program.services.files.drivePath(*chosen) : QString();
    if (chosen && path.isEmpty()) {
        program.services.messages.inform(QStringLiteral(
            "「写真ドライブ」に えらんだ フォルダは どの ドライブにも ありません。"));
        return;
    }
    window.photoDriveEdit->setText(path);
}

void chooseSaveDrive(AppContext& program, SaveDriveWindow& window, int index) {
    ProgramState& state = program.state;
    state.SaveBase = saveRootOfDriveButton(index);
    rebuildSaveRoot(state, program.services.files);
    program.form.saveDriveButton->setText(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(") + state.SaveRoot.left(2) +
                                          u')');
    window.hide();
    state.ClassFolder = state.SaveRoot;
}

void openSaveDriveWindow(AppContext& program, SaveDriveWindow& window) {
    window.currentDriveEdit->setText(program.state.SaveRoot.left(2));
    program.services.modals.runModal(window);
}
