#include "app/main_window_wiring.h"

#include "browser/browser_wiring.h"
#include "database/database_commands.h"
#include "folders/class_selection.h"
#include "folders/folder_commands.h"
#include "import/import_commands.h"
#include "main_window/form1.h"
#include "main_window/program.h"
#include "photo_ops/photo_commands.h"
#include "printing/print_commands.h"
#include "settings/settings_commands.h"
#include "viewing/clip_window.h"
#include "viewing/slide_show.h"

#include <QPushButton>

void connectMainWindow(Program& program, const QString& settingsFolder,
                       std::function<void()> endProgram) {
    Form1& form = program.form;
    for (int i = 0; i < int(form.Command2.size()); ++i) {
        QObject::connect(form.Command2[i], &QPushButton::clicked, &form,
                         [&program, i] { chooseClass(program, i); });
    }
    connectBrowserControls(program, [&program](int photo) { ClipWindow::of(program).open(photo); });
    connectFolderCommands(program);
    connectImportCommands(program);
    connectPhotoCommands(program);
    connectPrintCommands(program);
    connectSlideShow(program);
    connectClipCommands(program);
    connectDatabaseCommands(program);
    connectSettingsCommands(program, settingsFolder, std::move(endProgram));
}
