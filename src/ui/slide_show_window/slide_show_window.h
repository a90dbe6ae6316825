// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class PictureBox;
struct SlideLayout;
class QPushButton;

// The slide-show window: borderless and covering the screen, with the large
// photo, the thumbnail strip, the two layout icons and the three buttons. It
// tells what the user asked through its signals and hides itself for
// "おわり"; the show draws on the photo and the strip.
class SlideShowWindow : public QWidget {
    Q_OBJECT

public:
    explicit SlideShowWindow(QWidget* parent = nullptr);

    // Places and sizes every control, fonts and icons included, for layout.
    void place(const SlideLayout& layout);

    PictureBox& photoBox() { return *m_photoBox; }
    PictureBox& thumbnailStrip() { return *m_thumbnailStrip; }

signals:
    // "＜" (0) or "＞" (1), or the arrow keys.
    void stepRequested(int index);
    // A mouse button went down on the strip at pos.
    void stripPressed(QPoint pos);
    // A layout icon was clicked, or ↑ (show the strip) or ↓ (hide it) was
    // pressed while the strip is offered.
    void stripAsked(bool shown);

protected:
    // The arrow keys step like "＜" and "＞", Esc ends the show like "おわり".
    void keyPressEvent(QKeyEvent* event) override;

private:
    PictureBox* m_photoBox = nullptr;
    PictureBox* m_thumbnailStrip = nullptr;
    std::array<PictureBox*, 2> m_layoutButtons{};
    QPushButton* m_endButton = nullptr;
    std::array<QPushButton*, 2> m_stepButtons{};
};
