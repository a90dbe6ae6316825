// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/class_names.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassNames, GradeAndClassFromTheButtonIndex) {
    EXPECT_EQ(classDisplayName(0), QStringLiteral("１年１組"));
    EXPECT_EQ(classDisplayName(4), QStringLiteral("１年５組"));
    EXPECT_EQ(classDisplayName(5), QStringLiteral("２年１組"));
    EXPECT_EQ(classDisplayName(7), QStringLiteral("２年３組"));
    EXPECT_EQ(classDisplayName(29), QStringLiteral("６年５組"));
    EXPECT_EQ(classFolderName(0), QStringLiteral("CLASS_11"));
    EXPECT_EQ(classFolderName(7), QStringLiteral("CLASS_23"));
    EXPECT_EQ(classFolderName(9), QStringLiteral("CLASS_25"));
    EXPECT_EQ(classFolderName(29), QStringLiteral("CLASS_65"));
}

TEST(ScreenModes, TwoSeparateThresholds) {
    EXPECT_FALSE(isLargeWindow(1020));
    EXPECT_TRUE(isLargeWindow(1021));
    EXPECT_FALSE(isLargeGrid(999));
    EXPECT_TRUE(isLargeGrid(1000));
    // 1010: the small window with the large grid.
    EXPECT_FALSE(isLargeWindow(1010));
    EXPECT_EQ(thumbColumnsFor(1010), 5);
    EXPECT_EQ(folderListRowsFor(1010), 18);
    EXPECT_EQ(thumbColumnsFor(800), 4);
    EXPECT_EQ(folderListRowsFor(800), 13);
}

TEST(ProgramStateMarks, ClearingStopsAtTheCount) {
    ProgramState state;
    state.folder.PhotoMarks.fill(1);
    state.folder.clearMarks(3);
    EXPECT_EQ(state.folder.PhotoMarks[1], 0);
    EXPECT_EQ(state.folder.PhotoMarks[3], 0);
    EXPECT_EQ(state.folder.PhotoMarks[4], 1);
    state.folder.clearMarks(5000);
    EXPECT_EQ(state.folder.PhotoMarks[MaxPhotos], 0);
}

} // namespace
