// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/main_window_layout.h"

#include "core/state/screen_mode.h"

namespace {
constexpr int VScroll1Width = 29;
}

MainWindowLayout mainWindowLayoutFor(int screenWidthPx) {
    MainWindowLayout layout;
    layout.large = isLargeWindow(screenWidthPx);
    if (layout.large) {
        layout.windowSize = QSize(1024, 748);
        layout.thumbnailScroll = QRect(785, 0, VScroll1Width, 680);
        layout.thumbnailPanel = QRect(204, 2, 818, 710);
        layout.folderList = QRect(2, 2, 200, 665);
        layout.classPanelTop = 200;
        layout.folderButtonsTop = 668;
        layout.saveToDatabaseButton = QRect(8, 4, 201, 33);
        layout.selectAllButton = QRect(628, 4, 149, 29);
    } else {
        layout.windowSize = QSize(800, 580);
        layout.thumbnailScroll = QRect(558, 0, VScroll1Width, 525);
        layout.thumbnailPanel = QRect(204, 2, 590, 530);
        layout.folderList = QRect(2, 2, 200, 500);
        layout.classPanelTop = 130;
        layout.folderButtonsTop = 506;
        layout.saveToDatabaseButton = QRect(8, 4, 150, 33);
        layout.selectAllButton = QRect(162, 4, 120, 29);
        layout.smallTopButtons = true;
    }
    layout.classPanelLeft = (layout.windowSize.width() - ClassPanelWidth) / 2.0;
    return layout;
}

int centredWindowLeft(int screenWidthPx, int windowWidth) {
    return (screenWidthPx - windowWidth) / 2;
}
