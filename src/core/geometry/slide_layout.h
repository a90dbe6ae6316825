// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Where the slide-show window puts its controls, and how the strip of
// thumbnails is laid out and hit. The show is designed for a 1024 x 768
// screen (800 x 600 for screens under 1000 pixels wide) and drawn on any
// screen at one scale, as large as the screen holds, centred; every rectangle
// here is in pixels of the window.

inline constexpr int MaxSlides = 999;
inline constexpr int MaxStripSlides = 10;
inline constexpr int StripSlotPitch = 72;

struct SlideLayout {
    double scale = 1; // screen pixels per design pixel
    // With the thumbnail strip and its two icons.
    bool offersStrip = false;
    QRect picture;            // photoBox
    QRect pictureBesideStrip; // photoBox while the strip is shown
    QSize drawSize;           // the box at (0, 0) of photoBox the photo fits into
    QRect strip;
    QRect endButton;
    std::array<QRect, 2> stepButtons; // left, right
    std::array<QRect, 2> icons;       // without and with the strip

    // A design rectangle of the strip (its own pixels) at the layout's scale.
    QRect scaled(const QRect& design) const;
};

// The layout for a show of slideCount slides on a screen of size screen.
SlideLayout slideLayoutFor(QSize screen, int slideCount);

// Slide 1..slideCount under a pointer at y on the strip of the design size.
int slideAtStripY(double y, int slideCount);

// Slide k's thumbnail box on the strip of the design size.
QRect stripSlot(int slide);

// The y of divider line j (1..9) across the strip of the design size.
int stripDividerY(int line);

// The slide a step of delta (-1 or +1) from slide index leads to; the show
// does not wrap.
int steppedSlide(int index, int delta, int slideCount);
