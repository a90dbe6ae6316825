#include "app/startup.h"

#include "main_window/form1.h"
#include "main_window/program.h"
#include "state/class_names.h"
#include "state/program_state.h"

#include <QPushButton>

namespace {
void setDefaults(ProgramState& state) {
    state.FloppyDrive = QStringLiteral("A:\\");
    state.SaveRoot = QStringLiteral("C:\\A_IMAGE\\");
    state.SaveBase = QStringLiteral("C:\\A_IMAGE\\");
    state.SaveSubFolder.clear();
}

// The button names drive C: whatever the settings say; setting it is the
// window's first use and lays it out for the screen.
void loadMainWindow(Form1& form) {
    form.Command8->setText(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(C:)"));
    form.load();
}

void fillClassNames(ProgramState& state) {
    for (int i = 0; i < ClassCount; ++i)
        state.ClassNames[i + 1] = classDisplayName(i);
}
} // namespace

void startUp(Program& program) {
    ProgramState& state = program.state;
    setDefaults(state);
    loadMainWindow(program.form);
    fillClassNames(state);
    state.ClassFolder = state.SaveRoot;
}
