// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class PictureBox;

// The main window's controls, kept by the window and lent to the drawing
// code of its own folder. Each carries its member's name as object name.
struct MainWindowControls {
    // Class panel
    PictureBox* classPanel = nullptr;
    QLabel* classPrompt = nullptr;
    QPushButton* saveDriveButton = nullptr;
    std::array<QPushButton*, 30> classButtons{};

    // Folder list
    PictureBox* folderList = nullptr;
    QLabel* folderHeadingBand = nullptr;
    std::array<QPushButton*, 2> folderPageButtons{};
    QLabel* classHeading = nullptr;
    QPushButton* deleteFolderButton = nullptr;
    QPushButton* renameFolderButton = nullptr;

    // Thumbnail panel
    PictureBox* thumbnailPanel = nullptr;
    QPushButton* saveToDatabaseButton = nullptr;
    QPushButton* selectAllButton = nullptr;
    QScrollBar* thumbnailScroll = nullptr;
    QLabel* waitNotice = nullptr;
    PictureBox* copyTargetPrompt = nullptr;
    QLabel* copyPromptFirstLine = nullptr;
    QLabel* copyPromptSecondLine = nullptr;
    QPushButton* cancelCopyButton = nullptr;

    // Hidden and sizing itself to its picture; nothing loads a photo into it.
    PictureBox* photoHolder = nullptr;

    // Menu bar
    QAction* quitAction = nullptr;
    QAction* importAction = nullptr;
    QAction* saveToDriveAction = nullptr;
    QMenu* editMenu = nullptr;
    QAction* copyAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* editSeparator = nullptr;
    QAction* otherFolderAction = nullptr;
    QAction* makeFolderAction = nullptr;
    QAction* trashAction = nullptr;
    QMenu* printMenu = nullptr;
    QAction* printOneAction = nullptr;
    QAction* printTwoAction = nullptr;
    QAction* printEightAction = nullptr;
    QAction* printEighteenAction = nullptr;
    QAction* slideShowAction = nullptr;
    QAction* clipAction = nullptr;
    QAction* switchToDatabaseAction = nullptr;
    QAction* settingsAction = nullptr;
};
