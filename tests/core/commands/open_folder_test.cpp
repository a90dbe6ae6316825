// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/copy_photos.h"
#include "folder_fixture.h"
#include "support/window_clicks.h"

#include <QPushButton>
#include <QScrollBar>

namespace {

class OpeningFolders : public FolderCommands {};

TEST_F(OpeningFolders, ClickHeightPicksTheRow) {
    makeRowsOnly(20);
    const std::pair<int, int> clicks[] = {{30, 1}, {60, 1}, {88, 2},           {20 + 34 * 5, 5},
                                          {5, 1},  {87, 1}, {20 + 34 * 18, 18}};
    for (const auto& [y, row] : clicks) {
        clickFolderList(y);
        EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, row) << "y = " << y;
    }
    rig.state.openClass.FolderListTop = 18;
    clickFolderList(30);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 19);
    clickFolderList(88);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 20);
}

TEST_F(OpeningFolders, ADoubleClickOnARowOpensTheFolderOnce) {
    makeFolders({1, 2, 3});
    int opened = 0;
    QObject::connect(rig.form->folderList, &PictureBox::mouseDown, rig.form.get(),
                     [&] { ++opened; });
    doubleClickThroughWindow(*rig.form->folderList, {60, 88});
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(listRowFill(2), OpenRow);
}

TEST_F(OpeningFolders, ClickBelowTheLastRowOpensTheLastFolder) {
    makeFolders({1, 2, 3});
    clickFolderList(600);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 3);
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("f3"));
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderOf(3));
    EXPECT_EQ(listRowFill(3), OpenRow);
    EXPECT_EQ(listRowFill(1), OtherRow);
}

TEST_F(OpeningFolders, PageScrolledPastTheLastFolderStillOpensAnExistingRow) {
    makeRowsOnly(18);
    rig.state.openClass.FolderListTop = 18;
    clickFolderList(60);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 18);
}

TEST_F(OpeningFolders, WithoutFoldersAClickDoesNothing) {
    rig.makePhotos(QStringLiteral("D:\\PHOTOS"), 2, {32, 24});
    rig.openClassFolder();
    rig.state.folder.PhotoFolder = QStringLiteral("D:\\PHOTOS");
    rig.state.openClass.CurrentFolderIndex = 0;
    rig.state.folder.PhotoCount = 2;
    rig.state.folder.PhotoMarks[1] = 1;
    clickFolderList(60);
    EXPECT_EQ(rig.state.folder.PhotoFolder, QStringLiteral("D:\\PHOTOS"));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 0);
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 1);
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
}

TEST_F(OpeningFolders, OpeningClearsTheMarksAndPutsTheScrollBarBack) {
    makeFolders({30, 3});
    rig.state.folder.PhotoMarks[2] = 1;
    rig.state.folder.PhotoMarks[30] = 1;
    rig.form->thumbnailScroll->setValue(4);
    rig.state.folder.ThumbTopRow = 4;
    clickFolderList(88);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 0);
    EXPECT_EQ(rig.state.folder.PhotoMarks[30], 0);
    EXPECT_EQ(rig.form->thumbnailScroll->value(), 0);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, 0);
    EXPECT_EQ(listRowFill(2), OpenRow);
    EXPECT_EQ(listRowFill(1), OtherRow);

    // The open folder clicked again is read again, its marks gone.
    rig.state.folder.PhotoMarks[1] = 1;
    rig.makePhotos(folderOf(2), 4, {32, 24});
    clickFolderList(88);
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 0);
    EXPECT_EQ(rig.state.folder.PhotoCount, 4);
}

TEST_F(OpeningFolders, WaitingCopyGoesIntoTheClickedFolder) {
    makeFolders({3, 2});
    // P003.JPG, a name folder 2 does not have.
    for (int n = 1; n <= rig.state.folder.PhotoCount; ++n)
        rig.state.folder.PhotoMarks[n] =
            rig.state.folder.PhotoPaths[n].endsWith(QStringLiteral("P003.JPG"));
    startCopy(rig.program);
    ASSERT_EQ(rig.state.copy.Pick, FolderPick::CopyTarget);
    clickFolderList(88);
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.files.listFiles(folderOf(2), QStringLiteral("*.JP*")).size(), 3);
    EXPECT_EQ(rig.files.listFiles(folderOf(1), QStringLiteral("*.JP*")).size(), 3);
}

class PagingFolders : public FolderCommands {
protected:
    void previous() { rig.form->folderPageButtons[0]->click(); }
    void next() { rig.form->folderPageButtons[1]->click(); }
};

TEST_F(PagingFolders, NextPageOnlyWhenFoldersFollow) {
    makeRowsOnly(18);
    next();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 0);
    previous();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 0);
}

TEST_F(PagingFolders, OneFolderMoreThanAPageGetsAPageOfItsOwn) {
    makeRowsOnly(19);
    next();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 18);
    EXPECT_EQ(listRowFill(1), OtherRow);
    EXPECT_EQ(listRowFill(2), ListBackground);
    // Paging leaves the open folder alone.
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("f1"));
    next();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 18);
    previous();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 0);
    EXPECT_EQ(listRowFill(1), OpenRow);
}

class PagingSmallFolderList : public FolderCommands {
protected:
    PagingSmallFolderList() : FolderCommands(800) {}
};

TEST_F(PagingSmallFolderList, PreviousPageStopsAtTheTop) {
    makeRowsOnly(30);
    rig.state.openClass.FolderListTop = 5;
    rig.form->folderPageButtons[0]->click();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 0);
    rig.form->folderPageButtons[1]->click();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 13);
    rig.state.openClass.FolderListTop = -3;
    rig.form->folderPageButtons[0]->click();
    EXPECT_EQ(rig.state.openClass.FolderListTop, 0);
}

} // namespace
