// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window_view.h"

#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/marks.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/main_window/window_side_work.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

void MainWindowView::setThumbnailScrollMaximum(int maximum) {
    m_context.window.thumbnailScroll->setMaximum(maximum);
}

void MainWindowView::drawThumbnailPage() {
    ::drawThumbnailPage(m_context);
    // A folder just opened is worked with the keys at once.
    m_context.window.thumbnailPanel->setFocus();
}

void MainWindowView::drawFolderList() {
    ::drawFolderList(m_context);
}

void MainWindowView::drawFolderTitle() {
    ::drawFolderTitle(m_context);
}

void MainWindowView::drawMarkCaptions() {
    ::drawMarkCaptions(m_context);
}

void MainWindowView::resetThumbnailScroll() {
    m_context.window.thumbnailScroll->setValue(0);
}

void MainWindowView::clearThumbnailPage() {
    m_context.window.thumbnailScroll->setValue(0);
    m_context.window.thumbnailScroll->setMaximum(0);
    m_context.window.thumbnailPanel->clear();
}

void MainWindowView::showCopyTargetPrompt(bool shown) {
    m_context.window.copyTargetPrompt->setVisible(shown);
}

void MainWindowView::showClassFolderPanels() {
    MainWindow& window = m_context.window;
    window.classPanel->hide();
    window.thumbnailPanel->show();
    window.folderList->show();
}

void MainWindowView::showFolderCommands() {
    m_context.window.showFolderCommands();
}

void MainWindowView::setFolderListHeading(const QString& heading) {
    m_context.window.classHeading->setText(heading);
    m_context.window.classHeading->adjustSize();
}

void MainWindowView::setDatabaseSwitchCaption(const QString& caption) {
    m_context.window.switchToDatabaseAction->setText(caption);
}

void MainWindowView::setSaveDriveCaption(const QString& caption) {
    m_context.window.saveDriveButton->setText(caption);
}

void MainWindowView::runBesideWindow(const std::function<void()>& work) {
    ::runBesideWindow(m_context.window, work);
}
