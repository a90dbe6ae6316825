// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_wiring.h"

#include "app/database_wiring.h"
#include "app/folder_wiring.h"
#include "app/photo_wiring.h"
#include "app/print_wiring.h"
#include "app/secondary_windows.h"
#include "app/thumbnail_wiring.h"
#include "core/commands/app_context.h"
#include "core/commands/class_selection.h"
#include "core/services/services.h"
#include "ui/clip_window/clipping.h"
#include "ui/main_window/lock_wait_indicator.h"
#include "ui/main_window/main_window.h"
#include "ui/slide_show_window/slide_show.h"

#include <QPushButton>

void connectMainWindow(AppContext& program, MainWindow& form, const QString& settingsFolder,
                       std::function<void()> endProgram) {
    for (int i = 0; i < int(form.classButtons.size()); ++i) {
        QObject::connect(form.classButtons[i], &QPushButton::clicked, &form,
                         [&program, i] { chooseClass(program, i); });
    }
    auto* windows = new SecondaryWindows(program, form, settingsFolder, std::move(endProgram));
    connectBrowserControls(
        program, form, [windows](int photo) { windows->clipping().open(photo); },
        [windows](int photo) { windows->slideShow().startAt(photo); });
    connectFolderCommands(program, form);
    connectPhotoCommands(program, form);
    connectPrintCommands(program, form);
    connectClipCommands(program, form);
    connectDatabaseCommands(program, form);
    new LockWaitIndicator(form, program.services.files);
}
