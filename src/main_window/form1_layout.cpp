#include "main_window/form1_layout.h"

#include "state/screen_mode.h"

namespace {
constexpr int VScroll1Width = 29;
}

Form1Layout form1LayoutFor(int screenWidthPx) {
    Form1Layout layout;
    layout.large = isLargeWindow(screenWidthPx);
    if (layout.large) {
        layout.windowSize = QSize(1024, 748);
        layout.vScroll1 = QRect(785, 0, VScroll1Width, 680);
        layout.picture1 = QRect(204, 2, 818, 710);
        layout.picture2 = QRect(2, 2, 200, 665);
        layout.picture3Top = 200;
        layout.folderButtonsTop = 668;
        layout.command1 = QRect(8, 4, 201, 33);
        layout.command6 = QRect(628, 4, 149, 29);
    } else {
        layout.windowSize = QSize(800, 580);
        layout.vScroll1 = QRect(558, 0, VScroll1Width, 525);
        layout.picture1 = QRect(204, 2, 590, 530);
        layout.picture2 = QRect(2, 2, 200, 500);
        layout.picture3Top = 130;
        layout.folderButtonsTop = 506;
        layout.command1 = QRect(8, 4, 150, 33);
        layout.command6 = QRect(162, 4, 120, 29);
        layout.smallTopButtons = true;
    }
    layout.picture3Left = (layout.windowSize.width() - ClassPanelWidth) / 2.0;
    return layout;
}

int centredWindowLeft(int screenWidthPx, int windowWidth) {
    return (screenWidthPx - windowWidth) / 2;
}
