#include "printing/print_commands.h"

#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "printing/print_photo_sheets.h"
#include "printing/sheet_layout.h"

#include <QAction>

void connectPrintCommands(AppContext& program) {
    Form1& form = program.form;
    const auto connectItem = [&program, &form](QAction* item, const SheetLayout& layout) {
        QObject::connect(item, &QAction::triggered, &form,
                         [&program, &layout] { PrintPhotoSheets(program, layout); });
    };
    connectItem(form.MNUPRINT1, oneToASheet());
    connectItem(form.MNUPRINT2, twoToASheet());
    connectItem(form.MNUPRINT8, eightToASheet());
    connectItem(form.MNUPRINT18, eighteenToASheet());
}
