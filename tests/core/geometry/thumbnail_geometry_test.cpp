// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/thumbnail_geometry.h"

#include <gtest/gtest.h>

namespace {

// Boxes are drawn with both edges: W wide from x ends on x + W.
TEST(ThumbCells, LargeGridCellOneOne) {
    const ThumbCell cell = thumbCell(true, 1, 1, {});
    EXPECT_EQ(cell.captionBar(), QRect(QPoint(158, 171), QPoint(158 + 144, 171 + 18)));
    EXPECT_EQ(cell.picture(), QRect(159, 190, 144, 108));
    EXPECT_EQ(cell.frame(), QRect(QPoint(158, 171), QPoint(158 + 145, 171 + 127)));
    EXPECT_EQ(cell.captionPos(), QPoint(159, 172));
}

TEST(ThumbCells, SmallGridRowsAreThoseOfFourByThreePhotos) {
    const int rowTops[] = {40, 162, 283, 404};
    for (int row = 0; row < 4; ++row) {
        const ThumbCell cell = thumbCell(false, 2, row, QSize(640, 480));
        EXPECT_EQ(cell.y, rowTops[row]) << row;
        EXPECT_EQ(cell.height, 98);
        EXPECT_EQ(cell.x, 280);
        EXPECT_EQ(cell.frame().bottom(), rowTops[row] - 1 + 98 + 19);
    }
    EXPECT_EQ(thumbCell(false, 0, 0, QSize(480, 640)).height, 98); // the box of a 4:3 photo
}

// A photo is drawn inside its box in its own proportions, centred.
TEST(ThumbCells, PhotosAreDrawnCentredInTheirBox) {
    const struct {
        bool large;
        QSize photo;
        QRect drawn;
    } cases[] = {
        {true, {640, 480}, {5, 58, 144, 108}},  // 4:3 fills the large box
        {false, {640, 480}, {5, 58, 130, 98}},  // and the small one (97.5 to 98)
        {true, {480, 640}, {36, 58, 81, 108}},  // 81 wide, 63 left over
        {false, {480, 640}, {33, 58, 74, 98}},  // 73.5 to the even 74
        {true, {1800, 1200}, {5, 64, 144, 96}}, // 3:2, six rows above and below
        {false, {100, 100}, {21, 58, 98, 98}},  // square
        {true, {}, {5, 58, 144, 108}},          // no photo: the whole box
    };
    for (const auto& c : cases)
        EXPECT_EQ(thumbCell(c.large, 0, 0, c.photo).drawnPicture(), c.drawn) << c.photo.width();
}

TEST(ThumbCells, TitleBoxByGrid) {
    EXPECT_EQ(titleBox(true), QRect(QPoint(390, 4), QPoint(610, 32)));
    EXPECT_EQ(titleBox(false), QRect(QPoint(300, 4), QPoint(520, 32)));
    EXPECT_EQ(titleTextPos(true), QPoint(398, 10));
    EXPECT_EQ(titleTextPos(false), QPoint(308, 10));
}

struct Click {
    QPoint pos;
    bool large;
    int topRow;
    int photoCount;
    int expected;
};

class PhotoHitTest : public ::testing::TestWithParam<Click> {};

TEST_P(PhotoHitTest, FindsTheClampedCell) {
    const Click& click = GetParam();
    const int columns = click.large ? 5 : 4;
    const PageGrid page{click.large, columns, click.topRow, click.photoCount};
    EXPECT_EQ(photoNumberAt(click.pos, page), click.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, PhotoHitTest,
    ::testing::Values(Click{{160, 180}, true, 0, 30, 7},  // c = 1, r = 1
                      Click{{780, 50}, true, 0, 30, 5},   // right of the last column
                      Click{{10, 700}, true, 0, 30, 21},  // below the last row
                      Click{{0, 0}, true, 0, 30, 1},      // above and left
                      Click{{160, 180}, true, 2, 60, 17}, // scrolled two rows
                      Click{{10, 180}, false, 0, 7, 5},
                      Click{{460, 180}, false, 0, 7, 0}, // the empty eighth cell
                      Click{{10, 50}, false, 0, 7, 1},   // before any picture is loaded
                      Click{{10, 50}, true, 0, 0, 0}));  // empty folder

TEST(PageCorrection, MovesBackToTheLastRowThatHoldsAPhoto) {
    EXPECT_EQ(correctedTopRow(10, 5, 30), 5);
    EXPECT_EQ(correctedTopRow(2, 4, 7), 1);
    EXPECT_EQ(correctedTopRow(0, 5, 30), 0);
    EXPECT_EQ(correctedTopRow(3, 5, 30), 3);
    EXPECT_EQ(correctedTopRow(4, 5, 0), 0);
}

} // namespace
