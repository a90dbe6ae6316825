#include "app/thumbnail_wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/browsing.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/picture_box.h"

#include <QScrollBar>

void connectBrowserControls(AppContext& program, MainWindow& form,
                            std::function<void(int)> clipPhoto) {
    QObject::connect(form.thumbnailScroll, &QScrollBar::valueChanged, &form,
                     [&program](int position) { scrollThumbnails(program, position); });
    QObject::connect(form.thumbnailPanel, &PictureBox::mouseDown, &form,
                     [&program, clipPhoto](Qt::MouseButton button, QPoint pos) {
                         const int photo = toggleMarkOrPickToClip(program, button, pos);
                         if (photo > 0 && clipPhoto)
                             clipPhoto(photo);
                     });
}
