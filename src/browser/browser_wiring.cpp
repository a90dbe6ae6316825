#include "browser/browser_wiring.h"

#include "browser/marks.h"
#include "browser/thumbnail_page.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform_gui/picture_box.h"

#include <QScrollBar>

void connectBrowserControls(AppContext& program, std::function<void(int)> clipPhoto) {
    Form1& form = program.form;
    QObject::connect(form.VScroll1, &QScrollBar::valueChanged, &form,
                     [&program](int position) { onThumbnailScroll(program, position); });
    QObject::connect(form.Picture1, &PictureBox::mouseDown, &form,
                     [&program, clipPhoto](Qt::MouseButton button, QPoint pos) {
                         const int photo = toggleMarkOrPickToClip(program, button, pos);
                         if (photo > 0 && clipPhoto)
                             clipPhoto(photo);
                     });
}
