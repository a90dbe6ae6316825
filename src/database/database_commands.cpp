#include "database/database_commands.h"

#include "database/database_save.h"
#include "database/database_tree.h"
#include "main_window/form1.h"
#include "main_window/program.h"

#include <QAction>
#include <QPushButton>

void connectDatabaseCommands(Program& program) {
    Form1& form = program.form;
    QObject::connect(form.mnudrvchg, &QAction::triggered, &form,
                     [&program] { switchDatabaseTree(program); });
    QObject::connect(form.Command1, &QPushButton::clicked, &form,
                     [&program] { saveOpenFolderToDatabase(program); });
}
