// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "core/commands/app_context.h"
#include "core/commands/class_folder.h"
#include "core/commands/settings_check.h"
#include "core/files/file_system.h"
#include "core/library/save_root.h"
#include "core/library/settings_file.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/class_names.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/main_window.h"

#include <QPushButton>

namespace {
void setDefaults(ProgramState& state) {
    state.settings.PhotoDrivePath = QStringLiteral("A:\\");
    state.settings.SaveRoot = QStringLiteral("C:\\A_IMAGE\\");
    state.settings.SaveBase = QStringLiteral("C:\\A_IMAGE\\");
    state.settings.SaveSubFolder.clear();
}

// The button names drive C: whatever the settings say; setting it is the
// window's first use and lays it out for the screen.
void loadMainWindow(MainWindow& form) {
    form.saveDriveButton->setText(QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(C:)"));
    form.load();
}

// A drive that DRIVES.TXT leaves to this computer is told of once, before
// start-up makes a folder there that the school would look for on its share.
void tellOfPrivateDrives(AppContext& program) {
    const ProgramState& state = program.state;
    const QStringList fields = unmadePrivateDriveFields(
        program.services.files, state.settings.SaveBase, state.settings.DatabaseRoot);
    if (!fields.isEmpty())
        program.services.messages.inform(privateDriveNotice(fields));
}

// A file without its two whole lines changes only the photo drive and makes
// no folder; otherwise the save root follows the settings and is made.
void loadSettings(AppContext& program, const QString& settingsHostPath) {
    ProgramState& state = program.state;
    const SettingsRead read = readSettingsFile(settingsHostPath);
    if (read.savedInUtf8)
        program.services.messages.inform(SettingsEncodingMessage);
    if (read.photoDrive)
        state.settings.PhotoDrivePath = *read.photoDrive;
    if (!read.hasBothLines())
        return;
    state.settings.SaveBase = *read.saveBase;
    state.settings.SaveSubFolder = read.saveSubFolder.value_or(state.settings.SaveSubFolder);
    state.settings.UsageMode = read.usageMode.value_or(state.settings.UsageMode);
    state.settings.PcNumber = read.pcNumber.value_or(state.settings.PcNumber);
    state.settings.DatabaseRoot = read.databaseRoot.value_or(state.settings.DatabaseRoot);
    tellOfPrivateDrives(program);
    rebuildSaveRoot(state, program.services.files);
}

// Personal use opens the save root itself as the class folder.
void openPersonalLibrary(AppContext& program) {
    ProgramState& state = program.state;
    state.screen.ThumbColumns = thumbColumnsFor(state.screen.ScreenWidthPx);
    state.openClass.ClassName = QStringLiteral("個人利用");
    state.openClass.ClassSubFolder.clear();
    showClassFolderPanels(program);
    program.services.files.makeDirectory(state.openClass.ClassFolder);
    openClassFolder(program);
}

void fillClassNames(ProgramState& state) {
    for (int i = 0; i < ClassCount; ++i)
        state.openClass.ClassNames[i + 1] = classDisplayName(i);
}
} // namespace

void startUp(AppContext& program, MainWindow& form, const QString& settingsFolder) {
    ProgramState& state = program.state;
    setDefaults(state);
    loadMainWindow(form);
    for (const QString& note : program.services.files.drives().loadNotes())
        program.services.messages.inform(note);
    loadSettings(program, settingsFolder + u'/' + SettingsFileName);
    // What the settings window shows and saves as line 2, whatever drive the
    // save-drive window chooses later in the run.
    state.settings.SaveRootSetting = state.settings.SaveBase;
    if (!state.settings.DatabaseRoot.isEmpty())
        program.services.files.makeDirectory(state.settings.DatabaseRoot);
    fillClassNames(state);
    state.openClass.ClassFolder = state.settings.SaveRoot;
    if (state.settings.UsageMode == QStringLiteral("個人利用"))
        openPersonalLibrary(program);
}
