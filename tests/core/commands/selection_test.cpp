// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/selection.h"
#include "core/state/program_state.h"

#include <gtest/gtest.h>

namespace {

TEST(CollectingMarkedPhotos, CountsEveryMarkAndKeepsTheFirstHundredPathsInOrder) {
    ProgramState state;
    state.folder.PhotoCount = 130;
    for (int n = 1; n <= 130; ++n)
        state.folder.PhotoPaths[n] = QStringLiteral("C:\\F\\%1.JPG").arg(n);
    for (int n = 2; n <= 130; ++n)
        state.folder.PhotoMarks[n] = n == 3 ? 0 : 1;
    state.folder.PhotoMarks[131] = 1; // beyond the photo list: not a photo of the folder

    collectMarkedPhotos(state);

    EXPECT_EQ(state.selection.SelectedCount, 128);
    EXPECT_EQ(state.selection.SelectedPaths[1], QStringLiteral("C:\\F\\2.JPG"));
    EXPECT_EQ(state.selection.SelectedPaths[2], QStringLiteral("C:\\F\\4.JPG"));
    EXPECT_EQ(state.selection.SelectedPaths[100], QStringLiteral("C:\\F\\102.JPG"));
    EXPECT_TRUE(state.selection.SelectedPaths[101].isEmpty());
    EXPECT_EQ(collectedPaths(state, state.selection.SelectedCount).size(), 100);
    EXPECT_EQ(collectedPaths(state, 2),
              QStringList({QStringLiteral("C:\\F\\2.JPG"), QStringLiteral("C:\\F\\4.JPG")}));
}

TEST(CollectingMarkedPhotos, NoMarksGiveAnEmptySelection) {
    ProgramState state;
    state.folder.PhotoCount = 3;
    state.selection.SelectedCount = 7;
    collectMarkedPhotos(state);
    EXPECT_EQ(state.selection.SelectedCount, 0);
    EXPECT_TRUE(collectedPaths(state, state.selection.SelectedCount).isEmpty());
}

} // namespace
