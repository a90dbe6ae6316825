#include "ui/main_window/main_window_view.h"

#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/picture_box.h"

#include <QScrollBar>

void MainWindowView::setThumbnailScrollMaximum(int maximum) {
    m_program.form.thumbnailScroll->setMaximum(maximum);
}

void MainWindowView::drawThumbnailPage() {
    ::drawThumbnailPage(m_program);
    // A folder just opened is worked with the keys at once.
    m_program.form.thumbnailPanel->setFocus();
}

void MainWindowView::drawFolderList() {
    ::drawFolderList(m_program);
}
