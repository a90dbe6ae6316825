// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/print_photo_sheets.h"
#include "core/geometry/sheet_layout.h"
#include "ui/main_window/main_window.h"

#include <QAction>

void connectPrintCommands(AppContext& program, MainWindow& form) {
    const auto connectItem = [&program, &form](QAction* item, const SheetLayout& layout) {
        QObject::connect(item, &QAction::triggered, &form,
                         [&program, &layout] { printPhotoSheets(program, layout); });
    };
    connectItem(form.printOneAction, oneToASheet());
    connectItem(form.printTwoAction, twoToASheet());
    connectItem(form.printEightAction, eightToASheet());
    connectItem(form.printEighteenAction, eighteenToASheet());
}
