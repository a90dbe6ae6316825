// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/thumbnail_geometry.h"
#include "folder_fixture.h"

#include <QPushButton>

namespace {

const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

class SelectingAll : public FolderCommands {
protected:
    QColor barOf(int index) const {
        const ThumbCell cell = thumbCell(true, index % 5, index / 5, {32, 24});
        return rig.panelColourAt(cell.captionBar().topRight() + QPoint(-1, 1));
    }
    void selectAll() { rig.form->selectAllButton->click(); }
};

TEST_F(SelectingAll, MarksAllThenTakesAllMarksOff) {
    makeFolders({3});
    rig.state.folder.PhotoMarks[2] = 1;
    selectAll();
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(rig.state.folder.PhotoMarks[n], 1) << n;
        EXPECT_EQ(barOf(n - 1), Blue) << n;
    }
    EXPECT_EQ(rig.state.folder.PhotoMarks[4], 0);
    selectAll();
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(rig.state.folder.PhotoMarks[n], 0) << n;
        EXPECT_EQ(barOf(n - 1), Yellow) << n;
    }
    selectAll();
    EXPECT_EQ(rig.state.folder.PhotoMarks[3], 1);
}

TEST_F(SelectingAll, WithoutPhotosNothingChanges) {
    makeFolders({0});
    const QImage before = rig.form->thumbnailPanel->image();
    selectAll();
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 0);
    EXPECT_EQ(rig.form->thumbnailPanel->image(), before);
}

} // namespace
