#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Where the slide-show window puts its controls, and how the strip of
// thumbnails is laid out and hit. Pixels of the window.

inline constexpr int MaxSlides = 999;
inline constexpr int MaxStripSlides = 10;
inline constexpr int StripSlotPitch = 72;

struct SlideLayout {
    // With the thumbnail strip and its two icons.
    bool offersStrip = false;
    QRect picture;  // photoBox
    QSize drawSize; // the box at (0, 0) of photoBox the photo fits into
    QPoint endButton;
    std::array<QPoint, 2> stepButtons; // left, right
};

// The layout for a show of slideCount slides on a screen screenWidthPx wide.
SlideLayout slideLayoutFor(int screenWidthPx, int slideCount);

// photoBox while the strip is shown, and while it is hidden again.
inline constexpr QPoint PictureBesideStrip(116, 7);
inline constexpr QPoint StripPosition(7, 7);

// The two icons, shown only when the strip is offered.
inline constexpr std::array<QPoint, 2> IconPositions{QPoint(150, 680), QPoint(270, 680)};

// Slide 1..slideCount under a pointer at y on the strip.
int slideAtStripY(double y, int slideCount);

// Slide k's thumbnail box on the strip.
QRect stripSlot(int slide);

// The y of divider line j (1..9) across the strip.
int stripDividerY(int line);

// The slide a step of delta (-1 or +1) from slide index leads to; the show
// does not wrap.
int steppedSlide(int index, int delta, int slideCount);
