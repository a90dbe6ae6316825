#include "core/geometry/slide_layout.h"

#include "core/geometry/rounding.h"
#include "core/state/screen_mode.h"

#include <algorithm>

// The photo fits into the whole of photoBox, so every part of it is seen.
SlideLayout slideLayoutFor(int screenWidthPx, int slideCount) {
    if (!isLargeGrid(screenWidthPx))
        return {false,
                QRect(80, 15, 640, 480),
                QSize(640, 480),
                QPoint(700, 520),
                {QPoint(230, 520), QPoint(440, 520)}};
    if (slideCount <= MaxStripSlides)
        return {true,
                QRect(62, 7, 900, 670),
                QSize(900, 670),
                QPoint(910, 700),
                {QPoint(420, 700), QPoint(540, 700)}};
    return {false,
            QRect(62, 15, 900, 670),
            QSize(900, 670),
            QPoint(910, 720),
            {QPoint(420, 720), QPoint(540, 720)}};
}

int slideAtStripY(double y, int slideCount) {
    const int slide = roundHalfEven(y) / StripSlotPitch + 1;
    return std::max(1, std::min(slide, slideCount));
}

QRect stripSlot(int slide) {
    return QRect(0, StripSlotPitch * (slide - 1), 99, 72);
}

int stripDividerY(int line) {
    return roundHalfEven(71.8 * line);
}

int steppedSlide(int index, int delta, int slideCount) {
    return std::max(1, std::min(index + delta, slideCount));
}
