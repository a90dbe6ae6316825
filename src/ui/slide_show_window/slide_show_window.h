// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class PictureBox;
struct SlideLayout;
class QPushButton;

// The slide-show window: borderless and covering the screen, with the large
// photo, the thumbnail strip, the two layout icons and the three buttons. It
// only holds and places its controls; the show connects to them.
class SlideShowWindow : public QWidget {
    Q_OBJECT

public:
    explicit SlideShowWindow(QWidget* parent = nullptr);

    // Places and sizes every control, fonts and icons included, for layout.
    void place(const SlideLayout& layout);

    PictureBox* photoBox = nullptr;
    PictureBox* thumbnailStrip = nullptr;
    std::array<PictureBox*, 2> layoutButtons{};
    QPushButton* endButton = nullptr;
    std::array<QPushButton*, 2> stepButtons{};

signals:
    // A layout icon was clicked, or ↑ (show the strip) or ↓ (hide it) was
    // pressed while the strip is offered.
    void stripAsked(bool shown);

protected:
    // The arrow keys step like "＜" and "＞", Esc ends the show like "おわり".
    void keyPressEvent(QKeyEvent* event) override;
};
