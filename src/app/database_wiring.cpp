// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/database_wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/database_save.h"
#include "core/commands/database_tree.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QPushButton>

void connectDatabaseCommands(AppContext& program, MainWindow& form) {
    QObject::connect(form.switchToDatabaseAction, &QAction::triggered, &form,
                     [&program] { switchDatabaseTree(program); });
    QObject::connect(form.saveToDatabaseButton, &QPushButton::clicked, &form,
                     [&program] { saveOpenFolderToDatabase(program); });
}
