#include "app/thumbnail_wiring.h"

#include "core/commands/open_folder.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/marks.h"
#include "ui/main_window/page_keys.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/picture_box.h"

#include <QScrollBar>

void connectBrowserControls(AppContext& program, std::function<void(int)> clipPhoto,
                            std::function<void(int)> showPhoto) {
    MainWindow& form = program.form;
    QObject::connect(form.thumbnailScroll, &QScrollBar::valueChanged, &form,
                     [&program](int position) { onThumbnailScroll(program, position); });
    QObject::connect(form.thumbnailPanel, &PictureBox::mouseDown, &form,
                     [&program, clipPhoto](Qt::MouseButton button, QPoint pos) {
                         const int photo = toggleMarkOrPickToClip(program, button, pos);
                         if (photo > 0 && clipPhoto)
                             clipPhoto(photo);
                     });
    QObject::connect(form.thumbnailPanel, &PictureBox::keyDown, &form,
                     [&program, showPhoto](int key, Qt::KeyboardModifiers modifiers) {
                         const int photo = onThumbnailKey(program, key, modifiers);
                         if (photo > 0 && showPhoto)
                             showPhoto(photo);
                     });
    QObject::connect(form.thumbnailPanel, &PictureBox::wheelTurned, &form,
                     [&program](int notches, Qt::KeyboardModifiers modifiers) {
                         onThumbnailWheel(program, notches, modifiers);
                     });
    QObject::connect(form.folderList, &PictureBox::keyDown, &form,
                     [&program](int key, Qt::KeyboardModifiers) {
                         pickFolderRow(program, onFolderListKey(program, key));
                     });
    // The list shows its focus frame only while it has the keys.
    QObject::connect(form.folderList, &PictureBox::focusChanged, &form,
                     [&program] { drawFolderList(program); });
    QObject::connect(form.folderList, &PictureBox::wheelTurned, &form,
                     [&program](int notches, Qt::KeyboardModifiers modifiers) {
                         onFolderListWheel(program, notches, modifiers);
                     });
}
