// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/sheet_layout.h"

#include <gtest/gtest.h>

namespace {

struct CellCase {
    int photosPerSheet;
    int cell;
    CellEdges expected; // on a sheet of 10000 x 14000
};

const SheetLayout& layoutFor(int photosPerSheet) {
    switch (photosPerSheet) {
    case 1:
        return oneToASheet();
    case 2:
        return twoToASheet();
    case 8:
        return eightToASheet();
    default:
        return eighteenToASheet();
    }
}

class CellEdgesTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellEdgesTest, EdgesAreFractionsOfTheSheet) {
    const CellCase& c = GetParam();
    const CellEdges cell = cellEdges(layoutFor(c.photosPerSheet), c.cell, 10000, 14000);
    EXPECT_DOUBLE_EQ(cell.Left, c.expected.Left);
    EXPECT_DOUBLE_EQ(cell.Top, c.expected.Top);
    EXPECT_DOUBLE_EQ(cell.Right, c.expected.Right);
    EXPECT_DOUBLE_EQ(cell.Bottom, c.expected.Bottom);
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayout, CellEdgesTest,
    ::testing::Values(
        CellCase{1, 1, {900, 700, 9300, 13300}}, CellCase{2, 1, {900, 560, 9500, 6860}},
        CellCase{2, 2, {900, 7280, 9500, 13580}}, CellCase{8, 1, {700, 560, 5000, 3500}},
        CellCase{8, 4, {700, 10360, 5000, 13440}}, CellCase{8, 6, {5300, 3780, 9600, 6720}},
        CellCase{8, 7, {5300, 7000, 9600, 10080}}, CellCase{18, 1, {600, 560, 3500, 2520}},
        CellCase{18, 6, {600, 11060, 3500, 13020}}, CellCase{18, 7, {3700, 560, 6600, 2520}},
        CellCase{18, 13, {6800, 560, 9700, 2520}}, CellCase{18, 18, {6800, 11060, 9700, 13020}}));

TEST(SheetLayouts, CountsTurnsAndQuestions) {
    EXPECT_EQ(oneToASheet().PhotosPerSheet, 1);
    EXPECT_TRUE(oneToASheet().Turned);
    EXPECT_EQ(oneToASheet().Question, QStringLiteral("しゃしんをかみに１まいずついんさつします。"));
    EXPECT_EQ(twoToASheet().PhotosPerSheet, 2);
    EXPECT_FALSE(twoToASheet().Turned);
    EXPECT_EQ(eightToASheet().Question,
              QStringLiteral("しゃしんをかみに８まいずついんさつします。"));
    EXPECT_EQ(eighteenToASheet().PhotosPerSheet, 18);
    EXPECT_FALSE(eighteenToASheet().Turned);
    EXPECT_EQ(eighteenToASheet().Question,
              QStringLiteral("しゃしんをかみに１８まいずついんさつします。"));
}

TEST(SheetLayouts, DecodeBoundIsTheCellAt300DpiOnA4) {
    // A4 at 300 dpi is 2480.3 x 3507.9 dots; an 18-per-sheet cell is 0.29 x 0.14 of it.
    EXPECT_EQ(cellPixelsAt300Dpi(eighteenToASheet(), 18), QSize(720, 492));
    // The single cell is 0.84 x 0.90 of the sheet.
    EXPECT_EQ(cellPixelsAt300Dpi(oneToASheet(), 1), QSize(2084, 3158));
}

} // namespace
