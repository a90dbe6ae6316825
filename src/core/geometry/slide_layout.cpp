// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/slide_layout.h"

#include "core/geometry/fitting.h"
#include "core/state/screen_mode.h"

#include <algorithm>

namespace {

const QSize LargeDesign(1024, 768);
const QSize SmallDesign(800, 600);
const QRect StripDesign(7, 7, 101, 721);
const std::array<QRect, 2> IconDesign{QRect(150, 680, 111, 85), QRect(270, 680, 111, 85)};

// Design rectangles onto the screen: scaled, then shifted by offset.
struct Scaling {
    double scale;
    QPoint offset;

    QRect operator()(const QRect& r) const {
        const int left = roundHalfEven(r.x() * scale);
        const int top = roundHalfEven(r.y() * scale);
        return QRect(offset.x() + left, offset.y() + top,
                     roundHalfEven((r.x() + r.width()) * scale) - left,
                     roundHalfEven((r.y() + r.height()) * scale) - top);
    }
};

Scaling scalingFor(QSize screen, QSize design) {
    const double scale = std::min(double(screen.width()) / design.width(),
                                  double(screen.height()) / design.height());
    return {scale, QPoint(roundHalfEven((screen.width() - design.width() * scale) / 2),
                          roundHalfEven((screen.height() - design.height() * scale) / 2))};
}

} // namespace

QRect SlideLayout::scaled(const QRect& design) const {
    return Scaling{scale, QPoint()}(design);
}

// The photo fits into the whole of photoBox, so every part of it is seen.
SlideLayout slideLayoutFor(QSize screen, int slideCount) {
    const bool large = isLargeGrid(screen.width());
    const Scaling at = scalingFor(screen, large ? LargeDesign : SmallDesign);
    SlideLayout layout;
    layout.scale = at.scale;
    if (!large) {
        layout.picture = at(QRect(80, 15, 640, 480));
        layout.endButton = at(QRect(700, 520, 87, 41));
        layout.stepButtons = {at(QRect(230, 520, 89, 41)), at(QRect(440, 520, 89, 41))};
    } else {
        layout.offersStrip = slideCount <= MaxStripSlides;
        const int pictureTop = layout.offersStrip ? 7 : 15;
        const int buttonTop = layout.offersStrip ? 700 : 720;
        layout.picture = at(QRect(62, pictureTop, 900, 670));
        // The same box, moved: the slide is decoded once for both places.
        layout.pictureBesideStrip =
            QRect(at(QRect(116, 7, 900, 670)).topLeft(), layout.picture.size());
        layout.strip = at(StripDesign);
        layout.icons = {at(IconDesign[0]), at(IconDesign[1])};
        layout.endButton = at(QRect(910, buttonTop, 87, 41));
        layout.stepButtons = {at(QRect(420, buttonTop, 89, 41)), at(QRect(540, buttonTop, 89, 41))};
    }
    layout.drawSize = layout.picture.size();
    return layout;
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
