#include "app/main_window_wiring.h"

#include "app/database_wiring.h"
#include "app/folder_wiring.h"
#include "app/photo_wiring.h"
#include "app/print_wiring.h"
#include "app/secondary_windows.h"
#include "app/thumbnail_wiring.h"
#include "core/commands/class_selection.h"
#include "core/services/services.h"
#include "ui/clip_window/clipping.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/lock_wait_indicator.h"
#include "ui/main_window/main_window.h"
#include "ui/slide_show_window/slide_show.h"

#include <QPushButton>

void connectMainWindow(AppContext& program, const QString& settingsFolder,
                       std::function<void()> endProgram) {
    MainWindow& form = program.form;
    for (int i = 0; i < int(form.classButtons.size()); ++i) {
        QObject::connect(form.classButtons[i], &QPushButton::clicked, &form,
                         [&program, i] { chooseClass(program, i); });
    }
    auto* windows = new SecondaryWindows(program, settingsFolder, std::move(endProgram));
    connectBrowserControls(
        program, [windows](int photo) { windows->clipping().open(photo); },
        [windows](int photo) { windows->slideShow().startAt(photo); });
    connectFolderCommands(program);
    connectPhotoCommands(program);
    connectPrintCommands(program);
    connectClipCommands(program);
    connectDatabaseCommands(program);
    new LockWaitIndicator(form, program.services.files);
}
