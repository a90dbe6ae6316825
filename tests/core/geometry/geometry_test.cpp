// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/clip_geometry.h"
#include "core/geometry/fitting.h"
#include "core/geometry/slide_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(Rounding, HalfGoesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(91.5), 92);
    EXPECT_EQ(roundHalfEven(203.5), 204);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(10 / 3.0), 3);
    EXPECT_EQ(roundHalfEven(11 / 3.0), 4);
    EXPECT_EQ(roundHalfEven(7 / 3.0), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
}

// The show is designed for 1024 x 768 (800 x 600 below 1000 pixels wide) and
// drawn at the one scale the screen holds, centred.
struct LayoutCase {
    QSize screen;
    int slides;
    bool strip;
    double scale;
    QRect picture;
    QRect endButton;
};

class SlideLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SlideLayouts, ScaleTheDesignByOneFactorAndCentreIt) {
    const LayoutCase& c = GetParam();
    const SlideLayout layout = slideLayoutFor(c.screen, c.slides);
    EXPECT_EQ(layout.offersStrip, c.strip);
    EXPECT_DOUBLE_EQ(layout.scale, c.scale);
    EXPECT_EQ(layout.picture, c.picture);
    EXPECT_EQ(layout.drawSize, c.picture.size());
    EXPECT_EQ(layout.endButton, c.endButton);
    // The buttons keep their design sizes (87 x 41, 89 x 41) at the scale, a
    // pixel of rounding either way, and everything stays on the screen.
    const QRect screen(QPoint(0, 0), c.screen);
    for (const QRect& step : layout.stepButtons) {
        EXPECT_NEAR(step.width(), 89 * c.scale, 1);
        EXPECT_NEAR(step.height(), 41 * c.scale, 1);
        EXPECT_TRUE(screen.contains(step));
    }
    if (c.strip) {
        EXPECT_NEAR(layout.strip.height(), 721 * c.scale, 1);
        EXPECT_NEAR(layout.icons[1].width(), 111 * c.scale, 1);
        for (const QRect& r : {layout.strip, layout.icons[1], layout.pictureBesideStrip})
            EXPECT_TRUE(screen.contains(r));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, SlideLayouts,
    ::testing::Values(
        LayoutCase{{800, 600}, 3, false, 1.0, {80, 15, 640, 480}, {700, 520, 87, 41}},
        LayoutCase{{1024, 768}, 10, true, 1.0, {62, 7, 900, 670}, {910, 700, 87, 41}},
        LayoutCase{{1024, 768}, 11, false, 1.0, {62, 15, 900, 670}, {910, 720, 87, 41}},
        // 1.25 fills the width; 32 pixels above and below.
        LayoutCase{{1280, 1024}, 3, true, 1.25, {78, 41, 1124, 837}, {1138, 907, 108, 51}},
        // 1.40625 fills the height; 240 pixels left and right.
        LayoutCase{{1920, 1080}, 3, true, 1.40625, {327, 10, 1266, 942}, {1520, 984, 122, 58}},
        LayoutCase{{1920, 1080}, 11, false, 1.40625, {327, 21, 1266, 942}, {1520, 1012, 122, 58}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SlideStrip, PointerRowsPickSlidesWithinTheShow) {
    EXPECT_EQ(slideAtStripY(0, 10), 1);
    EXPECT_EQ(slideAtStripY(71, 10), 1);
    EXPECT_EQ(slideAtStripY(71.4, 10), 1);
    EXPECT_EQ(slideAtStripY(71.6, 10), 2);
    EXPECT_EQ(slideAtStripY(143, 10), 2);
    EXPECT_EQ(slideAtStripY(144, 10), 3);
    EXPECT_EQ(slideAtStripY(700, 3), 3);
    EXPECT_EQ(slideAtStripY(-30, 3), 1);
    EXPECT_EQ(stripSlot(1), QRect(0, 0, 99, 72));
    EXPECT_EQ(stripSlot(10), QRect(0, 648, 99, 72));
    const int dividers[] = {72, 144, 215, 287, 359, 431, 503, 574, 646};
    for (int j = 1; j <= 9; ++j)
        EXPECT_EQ(stripDividerY(j), dividers[j - 1]) << j;
}

TEST(SlideSteps, StopAtBothEnds) {
    EXPECT_EQ(steppedSlide(1, -1, 1), 1);
    EXPECT_EQ(steppedSlide(1, 1, 1), 1);
    EXPECT_EQ(steppedSlide(1, 1, 5), 2);
    EXPECT_EQ(steppedSlide(5, 1, 5), 5);
    EXPECT_EQ(steppedSlide(5, -1, 5), 4);
}

TEST(ClipGeometry, BoxesAndRectangles) {
    EXPECT_EQ(clipPictureBox(ClipSize::Large), QRect(4, 51, 641, 481));
    EXPECT_EQ(clipPictureBox(ClipSize::Small), QRect(164, 100, 321, 241));
    EXPECT_EQ(clipDrawSize(ClipSize::Large), QSize(640, 480));
    EXPECT_EQ(clipDrawSize(ClipSize::Small), QSize(320, 240));
    EXPECT_EQ(clipRectangle({10, 20}, {109, 69}), QRect(10, 20, 100, 50));
    EXPECT_EQ(clipRectangle({109, 69}, {10, 20}), QRect(10, 20, 100, 50));
    EXPECT_EQ(clipRectangle({109, 20}, {10, 69}), QRect(10, 20, 100, 50));
    EXPECT_EQ(clipRectangle({7, 7}, {7, 7}), QRect(7, 7, 1, 1));
    EXPECT_EQ(clipOuterFrame({109, 69}, {10, 20}), QRect(9, 19, 102, 52));
    EXPECT_EQ(clampedInto({-5, 700}, {641, 481}), QPoint(0, 480));
    EXPECT_EQ(clampedInto({30, 40}, {641, 481}), QPoint(30, 40));
}

} // namespace
