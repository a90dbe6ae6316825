// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/clip_geometry.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <Qt>

class ClipWindow;
class MainWindow;
class QWidget;
struct AppContext;

inline const QString ClipHintMessage =
    QStringLiteral("クリップボードへとりこみたいしゃしんを\n右クリックしてください。");
inline const QString RangeHintMessage = QStringLiteral("マウスでとりこむ場所を教えてください。");
inline const QString UnreadablePhotoMessage = QStringLiteral("このしゃしんはひらけません。");
inline const QString ClipboardFailedMessage =
    QStringLiteral("クリップボードにいれられませんでした。");

// What the clip window keeps from one opening to the next: its two modes and
// the rectangle being chosen with two clicks.
struct ClipState {
    ClipSize size = ClipSize::Large;
    ClipArea area = ClipArea::Whole;
    int corners = 0; // corners clicked so far: 0, 1 or 2
    QPoint first;
    QPoint second;
    QPoint loose; // the rubber band's loose corner as drawn; (-1, -1) for none
};

// The clip window's commands on its own state: the photo shown
// at one of two sizes, the whole picture or a rectangle chosen with two
// clicks, and "クリップ" putting the result on the clipboard. The window is
// made at its first opening and afterwards only hidden and shown, so its
// modes, corners and button faces stay from one opening to the next.
class Clipping : public QObject {
    Q_OBJECT

public:
    // The clip window is made as a child of parent.
    Clipping(AppContext& program, QWidget& parent);

    // Right click on the thumbnail of photo number: loads the photo and
    // shows the window modally; an unreadable photo only gives a message.
    void open(int photo);
    void chooseSize(ClipSize size);
    void chooseArea(ClipArea area);
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(QPoint pos);
    // "クリップ": the photo as drawn, or the part of it inside the chosen
    // rectangle.
    void clip();

    ClipWindow& window() { return *m_window; }
    const ClipState& state() const { return m_state; }

private:
    void showFaces();
    // Sizes photoBox for the size mode and draws the photo with the chosen
    // frame, if any.
    void placePicture();
    // Draws the photo alone, inside the drawing size in its own proportions;
    // no rubber band is left on it. The clips are cut from this drawing.
    void drawPhoto();
    void drawChosenFrame();

    AppContext& m_program;
    ClipWindow* m_window;
    ClipState m_state;
    QSize m_photoSize;   // the photo's own upright size
    QImage m_photo;      // fitted into 640 x 480
    QImage m_smallPhoto; // fitted into 320 x 240
};

// Connects "クリップボード", which only explains how to clip.
void connectClipCommands(AppContext& program, MainWindow& form);
