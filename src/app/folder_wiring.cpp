// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/browsing.h"
#include "core/commands/delete_folder.h"
#include "core/commands/open_folder.h"
#include "core/commands/other_folder.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QPushButton>

void connectFolderCommands(AppContext& program, MainWindow& form) {
    QObject::connect(form.folderList, &PictureBox::mouseDown, &form,
                     [&program](Qt::MouseButton button, QPoint pos) {
                         onFolderListMouseDown(program, button, pos);
                     });
    for (int index = 0; index < int(form.folderPageButtons.size()); ++index) {
        QObject::connect(form.folderPageButtons[index], &QPushButton::clicked, &form,
                         [&program, index] { pageFolderList(program, index); });
    }
    QObject::connect(form.deleteFolderButton, &QPushButton::clicked, &form,
                     [&program] { deleteOpenFolder(program); });
    QObject::connect(form.otherFolderAction, &QAction::triggered, &form,
                     [&program] { openFolderByPath(program); });
    QObject::connect(form.selectAllButton, &QPushButton::clicked, &form,
                     [&program] { selectAllPhotos(program); });
}
