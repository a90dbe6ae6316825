// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window tells of its controls: the user's requests as signals,
// the keys and the wheel it handles itself, and the controls' names.
#include "core/commands/app_context.h"
#include "core/geometry/sheet_layout.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/page_keys.h"
#include "ui/widgets/control_names.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

void MainWindow::announceControls() {
    const MainWindowControls& c = m_controls;
    for (int i = 0; i < int(c.classButtons.size()); ++i)
        connect(c.classButtons[i], &QPushButton::clicked, this, [this, i] { emit classChosen(i); });
    for (int i = 0; i < int(c.folderPageButtons.size()); ++i)
        connect(c.folderPageButtons[i], &QPushButton::clicked, this,
                [this, i] { emit folderPageRequested(i); });
    const std::pair<QPushButton*, void (MainWindow::*)()> buttons[] = {
        {c.saveDriveButton, &MainWindow::saveDriveWindowRequested},
        {c.deleteFolderButton, &MainWindow::deleteFolderRequested},
        {c.renameFolderButton, &MainWindow::renameFolderRequested},
        {c.saveToDatabaseButton, &MainWindow::saveToDatabaseRequested},
        {c.selectAllButton, &MainWindow::selectAllRequested},
        {c.cancelCopyButton, &MainWindow::cancelCopyRequested}};
    for (const auto& [button, intent] : buttons)
        connect(button, &QPushButton::clicked, this, intent);
    connect(c.folderList, &PictureBox::mouseDown, this, &MainWindow::folderListPressed);
    connect(c.thumbnailPanel, &PictureBox::mouseDown, this, &MainWindow::thumbnailPagePressed);
    connect(c.thumbnailScroll, &QScrollBar::valueChanged, this, &MainWindow::thumbnailPageScrolled);
}

void MainWindow::announceMenus() {
    const MainWindowControls& c = m_controls;
    const std::pair<QAction*, void (MainWindow::*)()> items[] = {
        {c.quitAction, &MainWindow::quitRequested},
        {c.importAction, &MainWindow::importRequested},
        {c.saveToDriveAction, &MainWindow::saveToPhotoDriveRequested},
        {c.copyAction, &MainWindow::copyRequested},
        {c.deleteAction, &MainWindow::deletePhotosRequested},
        {c.otherFolderAction, &MainWindow::otherFolderRequested},
        {c.makeFolderAction, &MainWindow::makeFolderRequested},
        {c.trashAction, &MainWindow::trashWindowRequested},
        {c.slideShowAction, &MainWindow::slideShowRequested},
        {c.clipAction, &MainWindow::clipHintRequested},
        {c.switchToDatabaseAction, &MainWindow::databaseSwitchRequested},
        {c.settingsAction, &MainWindow::settingsRequested}};
    for (const auto& [item, intent] : items)
        connect(item, &QAction::triggered, this, intent);
    const std::pair<QAction*, const SheetLayout&> printItems[] = {
        {c.printOneAction, oneToASheet()},
        {c.printTwoAction, twoToASheet()},
        {c.printEightAction, eightToASheet()},
        {c.printEighteenAction, eighteenToASheet()}};
    for (const auto& [item, layout] : printItems)
        connect(item, &QAction::triggered, this, [this, &layout] { emit printRequested(layout); });
}

// The keys and the wheel move the page and the list here; what they open or
// show is told through the signals.
void MainWindow::handlePageKeys() {
    const MainWindowControls& c = m_controls;
    connect(c.thumbnailPanel, &PictureBox::keyDown, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                AppContext program{m_state, m_services, m_view};
                if (const int photo = onThumbnailKey(program, m_controls, key, modifiers))
                    emit photoShowRequested(photo);
            });
    connect(c.thumbnailPanel, &PictureBox::wheelTurned, this,
            [this](int notches, Qt::KeyboardModifiers modifiers) {
                onThumbnailWheel(m_controls, notches, modifiers);
            });
    connect(c.folderList, &PictureBox::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
        AppContext program{m_state, m_services, m_view};
        if (const int row = onFolderListKey(program, key))
            emit folderRowChosen(row);
    });
    // The list shows its focus frame only while it has the keys.
    connect(c.folderList, &PictureBox::focusChanged, this, [this] { m_view.drawFolderList(); });
    connect(c.folderList, &PictureBox::wheelTurned, this,
            [this](int notches, Qt::KeyboardModifiers modifiers) {
                AppContext program{m_state, m_services, m_view};
                onFolderListWheel(program, notches, modifiers);
            });
}

void MainWindow::nameControls() {
    const MainWindowControls& c = m_controls;
    nameAll({{c.classPanel, "classPanel"},
             {c.classPrompt, "classPrompt"},
             {c.saveDriveButton, "saveDriveButton"},
             {c.folderList, "folderList"},
             {c.folderHeadingBand, "folderHeadingBand"},
             {c.classHeading, "classHeading"},
             {c.deleteFolderButton, "deleteFolderButton"},
             {c.renameFolderButton, "renameFolderButton"},
             {c.thumbnailPanel, "thumbnailPanel"},
             {c.saveToDatabaseButton, "saveToDatabaseButton"},
             {c.selectAllButton, "selectAllButton"},
             {c.thumbnailScroll, "thumbnailScroll"},
             {c.waitNotice, "waitNotice"},
             {c.copyTargetPrompt, "copyTargetPrompt"},
             {c.copyPromptFirstLine, "copyPromptFirstLine"},
             {c.copyPromptSecondLine, "copyPromptSecondLine"},
             {c.cancelCopyButton, "cancelCopyButton"},
             {c.photoHolder, "photoHolder"},
             {c.quitAction, "quitAction"},
             {c.importAction, "importAction"},
             {c.saveToDriveAction, "saveToDriveAction"},
             {c.editMenu, "editMenu"},
             {c.copyAction, "copyAction"},
             {c.deleteAction, "deleteAction"},
             {c.pasteAction, "pasteAction"},
             {c.editSeparator, "editSeparator"},
             {c.otherFolderAction, "otherFolderAction"},
             {c.makeFolderAction, "makeFolderAction"},
             {c.trashAction, "trashAction"},
             {c.printMenu, "printMenu"},
             {c.printOneAction, "printOneAction"},
             {c.printTwoAction, "printTwoAction"},
             {c.printEightAction, "printEightAction"},
             {c.printEighteenAction, "printEighteenAction"},
             {c.slideShowAction, "slideShowAction"},
             {c.clipAction, "clipAction"},
             {c.switchToDatabaseAction, "switchToDatabaseAction"},
             {c.settingsAction, "settingsAction"}});
    nameEach(c.classButtons, "classButton");
    nameEach(c.folderPageButtons, "folderPageButton");
}
