// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window_view.h"

#include "ui/main_window/folder_list.h"
#include "ui/main_window/main_window_controls.h"
#include "ui/main_window/marks.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/main_window/window_side_work.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

void MainWindowView::setThumbnailScrollMaximum(int maximum) {
    m_context.controls.thumbnailScroll->setMaximum(maximum);
}

void MainWindowView::drawThumbnailPage() {
    ::drawThumbnailPage(m_context);
    // A folder just opened is worked with the keys at once.
    m_context.controls.thumbnailPanel->setFocus();
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
    m_context.controls.thumbnailScroll->setValue(0);
}

void MainWindowView::clearThumbnailPage() {
    m_context.controls.thumbnailScroll->setValue(0);
    m_context.controls.thumbnailScroll->setMaximum(0);
    m_context.controls.thumbnailPanel->clear();
}

void MainWindowView::showCopyTargetPrompt(bool shown) {
    m_context.controls.copyTargetPrompt->setVisible(shown);
}

void MainWindowView::showClassFolderPanels() {
    MainWindowControls& window = m_context.controls;
    window.classPanel->hide();
    window.thumbnailPanel->show();
    window.folderList->show();
}

void MainWindowView::showFolderCommands() {
    MainWindowControls& window = m_context.controls;
    for (QAction* action : {window.switchToDatabaseAction, window.clipAction, window.importAction,
                            window.editMenu->menuAction(), window.saveToDriveAction,
                            window.slideShowAction, window.printMenu->menuAction()})
        action->setVisible(true);
    window.deleteFolderButton->show();
    window.renameFolderButton->show();
}

void MainWindowView::setFolderListHeading(const QString& heading) {
    m_context.controls.classHeading->setText(heading);
    m_context.controls.classHeading->adjustSize();
}

void MainWindowView::setDatabaseSwitchCaption(const QString& caption) {
    m_context.controls.switchToDatabaseAction->setText(caption);
}

void MainWindowView::setSaveDriveCaption(const QString& caption) {
    m_context.controls.saveDriveButton->setText(caption);
}

void MainWindowView::runBesideWindow(const std::function<void()>& work) {
    ::runBesideWindow(*m_context.controls.waitNotice, work);
}
