// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/slide_layout.h"
#include "core/imaging/slide_decoder.h"

#include <QObject>

class SlideShowWindow;
class QWidget;
struct AppContext;

inline const QString NoSlidesMessage = QStringLiteral("しゃしんをえらんでください。");

// The slide show of the marked photos: it fills SelectedPaths, lays SlideShowWindow out
// for the screen and the number of slides, and steps through the slides. The
// window is made at the first show and afterwards only hidden and shown.
class SlideShow : public QObject {
    Q_OBJECT

public:
    // The slide-show window is made as a child of parent.
    SlideShow(AppContext& program, QWidget& parent);

    // The menu command: collects the marked photos and shows the first one in
    // the window, which does not block the main window.
    void start();
    // Enter on a thumbnail: the show of the marked photos at photo when it is
    // marked, else of every photo of the folder at photo.
    void startAt(int photo);
    // "＜" (index 0) or "＞" (index 1).
    void step(int index);
    // A mouse button went down on the strip at pos.
    void pickFromStrip(QPoint pos);
    // layoutButtons(1) shows the strip beside the photo, layoutButtons(0) hides it.
    void showStrip(bool shown);

    SlideShowWindow& window() { return *m_window; }
    // Slides in the show and the one shown, 1..count.
    int slideCount() const { return m_count; }
    int slideShown() const { return m_shown; }

private:
    void layOut();
    void open(int firstSlide);
    void fillStrip();
    void showSlide();

    AppContext& m_program;
    SlideShowWindow* m_window;
    SlideLayout m_layout;
    SlideDecoder m_decoder;
    int m_count = 0;
    int m_shown = 0;
};
