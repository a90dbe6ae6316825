#include "core/geometry/clip_geometry.h"
#include "core/geometry/slide_layout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    int screenWidth;
    int slides;
    bool strip;
    QRect picture;
    int drawHeight;
    int buttonY;
    int endX, previousX, nextX;
};

class SlideLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SlideLayouts, FollowTheLayoutTable) {
    const LayoutCase& c = GetParam();
    const SlideLayout layout = slideLayoutFor(c.screenWidth, c.slides);
    EXPECT_EQ(layout.offersStrip, c.strip);
    EXPECT_EQ(layout.picture, c.picture);
    EXPECT_EQ(layout.drawSize, QSize(c.picture.width(), c.drawHeight));
    EXPECT_EQ(layout.endButton, QPoint(c.endX, c.buttonY));
    EXPECT_EQ(layout.stepButtons[0], QPoint(c.previousX, c.buttonY));
    EXPECT_EQ(layout.stepButtons[1], QPoint(c.nextX, c.buttonY));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, SlideLayouts,
    ::testing::Values(LayoutCase{1024, 1, true, {62, 7, 900, 670}, 670, 700, 910, 420, 540},
                      LayoutCase{1024, 10, true, {62, 7, 900, 670}, 670, 700, 910, 420, 540},
                      LayoutCase{1024, 11, false, {62, 15, 900, 670}, 670, 720, 910, 420, 540},
                      LayoutCase{1000, 3, true, {62, 7, 900, 670}, 670, 700, 910, 420, 540},
                      LayoutCase{999, 3, false, {80, 15, 640, 480}, 480, 520, 700, 230, 440},
                      LayoutCase{800, 999, false, {80, 15, 640, 480}, 480, 520, 700, 230, 440}));

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
    EXPECT_EQ(clipPictureBox(0), QRect(4, 51, 641, 481));
    EXPECT_EQ(clipPictureBox(1), QRect(164, 100, 321, 241));
    EXPECT_EQ(clipDrawSize(0), QSize(640, 480));
    EXPECT_EQ(clipDrawSize(1), QSize(320, 240));
    EXPECT_EQ(clipRectangle({10, 20}, {109, 69}), QRect(10, 20, 100, 50));
    EXPECT_EQ(clipRectangle({109, 69}, {10, 20}), QRect(10, 20, 100, 50));
    EXPECT_EQ(clipRectangle({109, 20}, {10, 69}), QRect(10, 20, 100, 50));
    EXPECT_EQ(clipRectangle({7, 7}, {7, 7}), QRect(7, 7, 1, 1));
    EXPECT_EQ(clipOuterFrame({109, 69}, {10, 20}), QRect(9, 19, 102, 52));
    EXPECT_EQ(clampedInto({-5, 700}, {641, 481}), QPoint(0, 480));
    EXPECT_EQ(clampedInto({30, 40}, {641, 481}), QPoint(30, 40));
}

} // namespace
