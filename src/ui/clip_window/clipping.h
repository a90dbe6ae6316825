// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <Qt>

class ClipWindow;
class QWidget;
struct AppContext;

inline const QString ClipHintMessage =
    QStringLiteral("クリップボードへとりこみたいしゃしんを\n右クリックしてください。");
inline const QString RangeHintMessage = QStringLiteral("マウスでとりこむ場所を教えてください。");
inline const QString UnreadablePhotoMessage = QStringLiteral("このしゃしんはひらけません。");
inline const QString ClipboardFailedMessage =
    QStringLiteral("クリップボードにいれられませんでした。");

// The clip window's commands on the program-wide clip state: the photo shown
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
    // "640×480" (0) or "320×240" (1).
    void chooseSize(int mode);
    // "すべて" (0) or "はんい" (1).
    void chooseArea(int mode);
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(QPoint pos);
    // "クリップ": the photo as drawn, or the part of it inside the chosen
    // rectangle.
    void clip();

    ClipWindow& window() { return *m_window; }

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
    QSize m_photoSize;   // the photo's own upright size
    QImage m_photo;      // fitted into 640 x 480
    QImage m_smallPhoto; // fitted into 320 x 240
};
