#include "database/database_commands.h"

#include "database/database_save.h"
#include "database/database_tree.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"

#include <QAction>
#include <QPushButton>

void connectDatabaseCommands(AppContext& program) {
    Form1& form = program.form;
    QObject::connect(form.mnudrvchg, &QAction::triggered, &form,
                     [&program] { switchDatabaseTree(program); });
    QObject::connect(form.Command1, &QPushButton::clicked, &form,
                     [&program] { saveOpenFolderToDatabase(program); });
}
