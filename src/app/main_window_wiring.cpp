#include "app/main_window_wiring.h"

#include "app/secondary_windows.h"
#include "browser/browser_wiring.h"
#include "database/database_commands.h"
#include "folders/class_selection.h"
#include "folders/folder_commands.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "main_window/lock_wait_indicator.h"
#include "photo_ops/photo_commands.h"
#include "platform/services.h"
#include "printing/print_commands.h"
#include "viewing/clip_window.h"

#include <QPushButton>

void connectMainWindow(AppContext& program, const QString& settingsFolder,
                       std::function<void()> endProgram) {
    Form1& form = program.form;
    for (int i = 0; i < int(form.Command2.size()); ++i) {
        QObject::connect(form.Command2[i], &QPushButton::clicked, &form,
                         [&program, i] { chooseClass(program, i); });
    }
    auto* windows = new SecondaryWindows(program, settingsFolder, std::move(endProgram));
    connectBrowserControls(program, [windows](int photo) { windows->clipWindow().open(photo); });
    connectFolderCommands(program);
    connectPhotoCommands(program);
    connectPrintCommands(program);
    connectClipCommands(program);
    connectDatabaseCommands(program);
    new LockWaitIndicator(form, program.services.files);
}
