// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/sheet_plan.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

struct PlanCase {
    const SheetLayout& layout;
    int photoCount;
    int sheets;             // sheets the job takes
    SheetPlacement checked; // the place of one photo (numbered from 1)
    QRectF cellOnSheet;     // its cell on a sheet of 10000 x 14000 twips
};

class SheetPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(SheetPlanTest, PhotosFillCellsInOrderAndOnlyTheLastSheetIsPartFull) {
    const PlanCase& c = GetParam();
    std::vector<int> photos(size_t(c.photoCount));
    std::iota(photos.begin(), photos.end(), 1);
    const std::vector<SheetPlacement> plan = planSheets(c.layout, photos);

    ASSERT_EQ(plan.size(), photos.size());
    EXPECT_EQ(plan[size_t(c.checked.photo - 1)], c.checked);
    EXPECT_EQ(plan.back().sheet + 1, c.sheets);
    for (size_t i = 1; i < plan.size(); ++i) {
        const bool newSheet = plan[i - 1].cell == c.layout.PhotosPerSheet;
        EXPECT_EQ(plan[i].sheet, plan[i - 1].sheet + (newSheet ? 1 : 0));
        EXPECT_EQ(plan[i].cell, newSheet ? 1 : plan[i - 1].cell + 1);
    }

    // A picture of the cell's own proportions fills it exactly; one twice as
    // wide keeps its proportions, centred across the cell's width.
    const QSize cellSize = c.cellOnSheet.size().toSize();
    const QSizeF sheet(10000.4, 13999.6);
    const QRectF filled = pictureRect(c.layout, c.checked.cell, sheet, cellSize);
    EXPECT_DOUBLE_EQ(filled.left(), c.cellOnSheet.left());
    EXPECT_DOUBLE_EQ(filled.top(), c.cellOnSheet.top());
    EXPECT_DOUBLE_EQ(filled.right(), c.cellOnSheet.right());
    EXPECT_DOUBLE_EQ(filled.bottom(), c.cellOnSheet.bottom());
    const QRectF wide =
        pictureRect(c.layout, c.checked.cell, sheet, {cellSize.width() * 2, cellSize.height()});
    EXPECT_DOUBLE_EQ(wide.width(), c.cellOnSheet.width());
    EXPECT_DOUBLE_EQ(wide.height(), c.cellOnSheet.height() / 2);
    EXPECT_DOUBLE_EQ(wide.center().y(), c.cellOnSheet.center().y());
}

QRectF edges(double left, double top, double right, double bottom) {
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayout, SheetPlanTest,
    ::testing::Values(
        PlanCase{oneToASheet(), 3, 3, {3, 2, 1}, edges(900, 700, 9300, 13300)},
        PlanCase{twoToASheet(), 3, 2, {2, 0, 2}, edges(900, 7280, 9500, 13580)},
        PlanCase{twoToASheet(), 3, 2, {3, 1, 1}, edges(900, 560, 9500, 6860)},
        PlanCase{eightToASheet(), 9, 2, {6, 0, 6}, edges(5300, 3780, 9600, 6720)},
        PlanCase{eightToASheet(), 9, 2, {9, 1, 1}, edges(700, 560, 5000, 3500)},
        PlanCase{eighteenToASheet(), 19, 2, {18, 0, 18}, edges(6800, 11060, 9700, 13020)},
        PlanCase{eighteenToASheet(), 19, 2, {19, 1, 1}, edges(600, 560, 3500, 2520)},
        PlanCase{eighteenToASheet(), 120, 7, {120, 6, 12}, edges(3700, 11060, 6600, 13020)}));

TEST(SheetPlan, OnlyLandscapePhotosAreTurnedAndOnlyOnePerSheet) {
    EXPECT_TRUE(turnsPhoto(oneToASheet(), {64, 48}));
    EXPECT_FALSE(turnsPhoto(oneToASheet(), {48, 64}));
    EXPECT_FALSE(turnsPhoto(oneToASheet(), {50, 50}));
    EXPECT_FALSE(turnsPhoto(eightToASheet(), {64, 48}));
}

} // namespace
