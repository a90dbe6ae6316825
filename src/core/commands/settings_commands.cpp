// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/settings_commands.h"

#include "core/commands/app_context.h"
#include "core/commands/settings_check.h"
#include "core/files/file_system.h"
#include "core/library/save_root.h"
#include "core/library/settings_file.h"
#include "core/library/settings_form_values.h"
#include "core/services/clock.h"
#include "core/services/file_dialogs.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

bool saveSettings(AppContext& program, const SettingsTexts& texts, const QString& programFolder) {
    MessageService& messages = program.services.messages;
    const FileSystem& files = program.services.files;
    if (const std::optional<QString> refusal = settingsRefusal(texts)) {
        messages.inform(*refusal);
        return false;
    }
    const SettingsValues values = *settingsFromTexts(texts);
    const QStringList privateFields =
        privateDriveFields(files, values, settingsInForce(program.state));
    if (!privateFields.isEmpty() && !messages.askYesNo(privateDriveQuestion(privateFields)))
        return false;
    if (!writeSettingsFile(files, programFolder + u'/' + SettingsFileName, values)) {
        messages.inform(QStringLiteral("環境を保存できませんでした。"));
        return false;
    }
    messages.inform(QStringLiteral("「しゃしんばこ」を終了します。"));
    return true;
}

// The picker starts in the folder the box names; a folder that lies on no
// drive leaves the box as it was.
std::optional<QString> choosePhotoDriveFolder(AppContext& program, const QString& current) {
    const QString start = current.trimmed();
    const std::optional<QString> chosen = program.services.dialogs.chooseFolder(
        start.isEmpty() ? QString() : program.services.files.hostPath(start));
    const QString path = chosen ? program.services.files.drivePath(*chosen) : QString();
    if (chosen && path.isEmpty()) {
        program.services.messages.inform(QStringLiteral(
            "「写真ドライブ」に えらんだ フォルダは どの ドライブにも ありません。"));
        return std::nullopt;
    }
    return path;
}

QString saveRootOfDriveButton(int index) {
    const QChar letter = QStringLiteral("ACDEFGHI").at(index);
    // The floppy drive is used at its root.
    return letter == u'A' ? QStringLiteral("A:\\")
                          : QString(letter) + QStringLiteral(":\\A_IMAGE\\");
}

void chooseSaveDrive(AppContext& program, int index) {
    ProgramState& state = program.state;
    state.settings.SaveBase = saveRootOfDriveButton(index);
    rebuildSaveRoot(state, program.services.files);
    program.view.setSaveDriveCaption(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(") +
                                     state.settings.SaveRoot.left(2) + u')');
    state.openClass.ClassFolder = state.settings.SaveRoot;
}
