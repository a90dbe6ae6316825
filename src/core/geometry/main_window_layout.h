// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Width of the class panel, which is centred on the window's design width.
inline constexpr int ClassPanelWidth = 617;

// Where the main window and its panels go for one screen width. Rectangles
// are in the coordinates of the control's container: the window's client
// area, or thumbnailPanel for thumbnailScroll.
struct MainWindowLayout {
    bool large = false;
    // Outer size of the window, frame included.
    QSize windowSize;
    QRect thumbnailScroll;
    QRect thumbnailPanel;
    QRect folderList;
    // Exact left edge of classPanel; the widget gets it rounded half to even.
    double classPanelLeft = 0;
    int classPanelTop = 0;
    // Top of deleteFolderButton and renameFolderButton.
    int folderButtonsTop = 0;
    // saveToDatabaseButton and selectAllButton inside thumbnailPanel, clear of each other, of the
    // title box and of the thumbnails.
    QRect saveToDatabaseButton;
    QRect selectAllButton;
    // The small panel has room for both beside the title box only in the
    // captions' smaller font.
    bool smallTopButtons = false;
};

MainWindowLayout mainWindowLayoutFor(int screenWidthPx);

// Left edge of a window centred on the screen: the difference rounded and then
// halved with the fraction dropped. Negative when the window is the wider.
int centredWindowLeft(int screenWidthPx, int windowWidth);
