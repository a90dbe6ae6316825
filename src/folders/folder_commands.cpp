#include "folders/folder_commands.h"

#include "folders/delete_folder.h"
#include "folders/folder_paging.h"
#include "folders/open_folder.h"
#include "folders/other_folder.h"
#include "folders/select_all.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform_gui/picture_box.h"

#include <QAction>
#include <QPushButton>

void connectFolderCommands(AppContext& program) {
    Form1& form = program.form;
    QObject::connect(form.Picture2, &PictureBox::mouseDown, &form,
                     [&program](Qt::MouseButton button, QPoint pos) {
                         onFolderListMouseDown(program, button, pos);
                     });
    for (int index = 0; index < int(form.Command5.size()); ++index) {
        QObject::connect(form.Command5[index], &QPushButton::clicked, &form,
                         [&program, index] { pageFolderList(program, index); });
    }
    QObject::connect(form.Command3, &QPushButton::clicked, &form,
                     [&program] { deleteOpenFolder(program); });
    QObject::connect(form.MNU_OTHERFOLDER, &QAction::triggered, &form,
                     [&program] { openFolderByPath(program); });
    QObject::connect(form.Command6, &QPushButton::clicked, &form,
                     [&program] { selectAllPhotos(program); });
}
