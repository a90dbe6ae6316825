// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/thumbnail_wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/browsing.h"
#include "core/commands/open_folder.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/page_keys.h"
#include "ui/widgets/picture_box.h"

#include <QScrollBar>

void connectBrowserControls(AppContext& program, MainWindow& form,
                            std::function<void(int)> clipPhoto,
                            std::function<void(int)> showPhoto) {
    QObject::connect(form.thumbnailScroll, &QScrollBar::valueChanged, &form,
                     [&program](int position) { scrollThumbnails(program, position); });
    QObject::connect(form.thumbnailPanel, &PictureBox::mouseDown, &form,
                     [&program, clipPhoto](Qt::MouseButton button, QPoint pos) {
                         const int photo = toggleMarkOrPickToClip(program, button, pos);
                         if (photo > 0 && clipPhoto)
                             clipPhoto(photo);
                     });
    QObject::connect(form.thumbnailPanel, &PictureBox::keyDown, &form,
                     [&program, &form, showPhoto](int key, Qt::KeyboardModifiers modifiers) {
                         const int photo = onThumbnailKey(program, form, key, modifiers);
                         if (photo > 0 && showPhoto)
                             showPhoto(photo);
                     });
    QObject::connect(form.thumbnailPanel, &PictureBox::wheelTurned, &form,
                     [&form](int notches, Qt::KeyboardModifiers modifiers) {
                         onThumbnailWheel(form, notches, modifiers);
                     });
    QObject::connect(form.folderList, &PictureBox::keyDown, &form,
                     [&program](int key, Qt::KeyboardModifiers) {
                         pickFolderRow(program, onFolderListKey(program, key));
                     });
    // The list shows its focus frame only while it has the keys.
    QObject::connect(form.folderList, &PictureBox::focusChanged, &form,
                     [&program] { program.view.drawFolderList(); });
    QObject::connect(form.folderList, &PictureBox::wheelTurned, &form,
                     [&program](int notches, Qt::KeyboardModifiers modifiers) {
                         onFolderListWheel(program, notches, modifiers);
                     });
}
