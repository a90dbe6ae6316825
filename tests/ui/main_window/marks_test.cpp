// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/browsing.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/library/load_folder.h"
#include "support/window_clicks.h"
#include "support_library/library_fixture.h"
#include "ui/widgets/picture_box.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

class Marking : public ::testing::Test {
protected:
    explicit Marking(int screenWidth = 1024) : rig(screenWidth) {
        rig.state.folder.PhotoFolder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
        rig.makePhotos(rig.state.folder.PhotoFolder, 7, {640, 480});
        loadFolder(rig.program);
    }
    QColor barOf(int index) const {
        const bool large = rig.state.screen.ThumbColumns == 5;
        const ThumbCell cell = thumbCell(large, index % rig.state.screen.ThumbColumns,
                                         index / rig.state.screen.ThumbColumns, {640, 480});
        return rig.panelColourAt(cell.captionBar().topRight() + QPoint(-1, 1));
    }
    LibraryRig rig;
};

TEST_F(Marking, LeftClickTogglesAndRedrawsTheBar) {
    EXPECT_EQ(toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {160, 180}), 0);
    EXPECT_EQ(rig.state.folder.PhotoMarks[7], 1);
    EXPECT_EQ(barOf(6), Blue);
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {160, 180});
    EXPECT_EQ(rig.state.folder.PhotoMarks[7], 0);
    EXPECT_EQ(barOf(6), Yellow);
}

TEST_F(Marking, ADoubleClickMarksOnce) {
    doubleClickThroughWindow(*rig.form->thumbnailPanel, {160, 180});
    EXPECT_EQ(rig.state.folder.PhotoMarks[7], 1);
    EXPECT_EQ(barOf(6), Blue);
    QTest::mouseDClick(rig.form->thumbnailPanel, Qt::LeftButton, {}, {10, 50});
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 1);
}

TEST_F(Marking, MiddleButtonTogglesRightButtonAsksForTheClipWindow) {
    toggleMarkOrPickToClip(rig.program, Qt::MiddleButton, {10, 50});
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 1);
    EXPECT_EQ(toggleMarkOrPickToClip(rig.program, Qt::RightButton, {330, 50}), 3);
    EXPECT_EQ(rig.state.folder.PhotoMarks[3], 0);
}

TEST_F(Marking, ClampsToThePageAndIgnoresEmptyCells) {
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {780, 50}); // column clamped to 4
    EXPECT_EQ(rig.state.folder.PhotoMarks[5], 1);
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {10, 700}); // row 4: photo 21, none
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(rig.state.folder.PhotoMarks[n], n == 5 ? 1 : 0);
}

TEST_F(Marking, WaitingCopyIgnoresClicks) {
    rig.state.copy.Pick = FolderPick::CopyTarget;
    EXPECT_EQ(toggleMarkOrPickToClip(rig.program, Qt::RightButton, {10, 50}), 0);
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {10, 50});
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 0);
    EXPECT_EQ(barOf(0), Yellow);
}

class SmallMarking : public Marking {
protected:
    SmallMarking() : Marking(800) {}
};

TEST_F(SmallMarking, EighthCellOfSevenPhotosDoesNothing) {
    // Row pitch 122 from the 640 x 480 photos: (460, 180) is column 3, row 1.
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {460, 180});
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(rig.state.folder.PhotoMarks[n], 0);
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {320, 180});
    EXPECT_EQ(rig.state.folder.PhotoMarks[7], 1);
    EXPECT_EQ(barOf(6), Blue);
}

} // namespace
