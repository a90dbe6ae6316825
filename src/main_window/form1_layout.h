#pragma once

#include <QRect>
#include <QSize>

// Width of the class panel, which is centred on the window's design width.
inline constexpr int ClassPanelWidth = 617;

// Where the main window and its panels go for one screen width. Rectangles
// are in the coordinates of the control's container: the window's client
// area, or Picture1 for VScroll1.
struct Form1Layout {
    bool large = false;
    // Outer size of the window, frame included.
    QSize windowSize;
    QRect vScroll1;
    QRect picture1;
    QRect picture2;
    // Exact left edge of Picture3; the widget gets it rounded half to even.
    double picture3Left = 0;
    int picture3Top = 0;
    // Top of Command3 and Command4.
    int folderButtonsTop = 0;
    // Command1 and Command6 inside Picture1, clear of each other, of the title
    // box and of the thumbnails.
    QRect command1;
    QRect command6;
    // The small panel has room for both beside the title box only in the
    // captions' smaller font.
    bool smallTopButtons = false;
};

Form1Layout form1LayoutFor(int screenWidthPx);

// Left edge of a window centred on the screen: the difference rounded and then
// halved with the fraction dropped. Negative when the window is the wider.
int centredWindowLeft(int screenWidthPx, int windowWidth);
