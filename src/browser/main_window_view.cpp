#include "browser/main_window_view.h"

#include "browser/folder_list.h"
#include "browser/thumbnail_page.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"

#include <QScrollBar>

void MainWindowView::setThumbnailScrollMaximum(int maximum) {
    m_program.form.VScroll1->setMaximum(maximum);
}

void MainWindowView::drawThumbnailPage() {
    DrawThumbnailPage(m_program);
}

void MainWindowView::drawFolderList() {
    DrawFolderList(m_program);
}
