#include "photo_ops/photo_commands.h"

#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "photo_ops/copy_photos.h"
#include "photo_ops/delete_photos.h"
#include "photo_ops/save_to_photo_drive.h"

#include <QAction>
#include <QPushButton>

void connectPhotoCommands(AppContext& program) {
    Form1& form = program.form;
    QObject::connect(form.mnudel, &QAction::triggered, &form,
                     [&program] { deletePhotos(program); });
    QObject::connect(form.mnucopy, &QAction::triggered, &form, [&program] { startCopy(program); });
    QObject::connect(form.Command7, &QPushButton::clicked, &form,
                     [&program] { cancelCopy(program); });
    QObject::connect(form.MNUSAVE, &QAction::triggered, &form,
                     [&program] { saveToPhotoDrive(program); });
}
