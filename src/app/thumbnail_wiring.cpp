#include "app/thumbnail_wiring.h"

#include "ui/main_window/app_context.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/marks.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/picture_box.h"

#include <QScrollBar>

void connectBrowserControls(AppContext& program, std::function<void(int)> clipPhoto) {
    MainWindow& form = program.form;
    QObject::connect(form.thumbnailScroll, &QScrollBar::valueChanged, &form,
                     [&program](int position) { onThumbnailScroll(program, position); });
    QObject::connect(form.thumbnailPanel, &PictureBox::mouseDown, &form,
                     [&program, clipPhoto](Qt::MouseButton button, QPoint pos) {
                         const int photo = toggleMarkOrPickToClip(program, button, pos);
                         if (photo > 0 && clipPhoto)
                             clipPhoto(photo);
                     });
}
