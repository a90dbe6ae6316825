// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/photo_wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/copy_photos.h"
#include "core/commands/delete_photos.h"
#include "core/commands/save_to_photo_drive.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QPushButton>

void connectPhotoCommands(AppContext& program, MainWindow& form) {
    QObject::connect(form.deleteAction, &QAction::triggered, &form,
                     [&program] { deletePhotos(program); });
    QObject::connect(form.copyAction, &QAction::triggered, &form,
                     [&program] { startCopy(program); });
    QObject::connect(form.cancelCopyButton, &QPushButton::clicked, &form,
                     [&program] { cancelCopy(program); });
    QObject::connect(form.saveToDriveAction, &QAction::triggered, &form,
                     [&program] { saveToPhotoDrive(program); });
}
