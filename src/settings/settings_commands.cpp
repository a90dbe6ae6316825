#include "settings/settings_commands.h"

#include "main_window/form1.h"
#include "main_window/program.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/services.h"
#include "settings/form5.h"
#include "settings/form6.h"
#include "settings/settings_file.h"
#include "settings/settings_form_values.h"
#include "state/program_state.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Nothing is written when a value is refused, and the program goes on when
// the file could not be written, so the old settings stay in force.
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

// Each window is made at its first opening and afterwards only hidden and
// shown again.
template <typename Window> Window* existingWindow(Program& program, const QString& name) {
    return program.form.findChild<Window*>(name, Qt::FindDirectChildrenOnly);
}

Form5& form5Of(Program& program, const QString& programFolder,
               const std::function<void()>& endProgram) {
    if (auto* existing = existingWindow<Form5>(program, QStringLiteral("Form5")))
        return *existing;
    auto* window = new Form5(&program.form);
    QObject::connect(window->Command1, &QPushButton::clicked, window,
                     [&program, window] { chooseFolderInto(program, *window); });
    QObject::connect(window->Command2, &QPushButton::clicked, window,
                     [&program, window, programFolder, endProgram] {
                         saveSettings(program, *window, programFolder, endProgram);
                     });
    return *window;
}

// The choice lasts for this run only: nothing is made, reloaded or written.
void chooseSaveDrive(Program& program, Form6& window, int index) {
    ProgramState& state = program.state;
    state.SaveRoot = saveRootOfDriveButton(index);
    state.SaveBase = state.SaveRoot;
    program.form.Command8->setText(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(") + state.SaveRoot.left(2) + u')');
    window.hide();
    state.ClassFolder = state.SaveRoot;
}

Form6& form6Of(Program& program) {
    if (auto* existing = existingWindow<Form6>(program, QStringLiteral("Form6")))
        return *existing;
    auto* window = new Form6(&program.form);
    QObject::connect(window, &Form6::driveChosen, window,
                     [&program, window](int index) { chooseSaveDrive(program, *window, index); });
    return *window;
}

} // namespace

void connectSettingsCommands(Program& program, const QString& programFolder,
                             std::function<void()> endProgram) {
    Form1& form = program.form;
    QObject::connect(
        form.mnu_conv, &QAction::triggered, &form, [&program, programFolder, endProgram] {
            program.services.modals.runModal(form5Of(program, programFolder, endProgram));
        });
    QObject::connect(form.Command8, &QPushButton::clicked, &form, [&program] {
        Form6& window = form6Of(program);
        window.Text1->setText(program.state.SaveRoot.left(2));
        program.services.modals.runModal(window);
    });
}
