#include "ui/main_window/main_window_view.h"

#include "ui/main_window/app_context.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/thumbnail_page.h"

#include <QScrollBar>

void MainWindowView::setThumbnailScrollMaximum(int maximum) {
    m_program.form.thumbnailScroll->setMaximum(maximum);
}

void MainWindowView::drawThumbnailPage() {
    ::drawThumbnailPage(m_program);
}

void MainWindowView::drawFolderList() {
    ::drawFolderList(m_program);
}
