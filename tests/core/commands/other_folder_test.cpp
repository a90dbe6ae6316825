// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder_fixture.h"

#include <QAction>

namespace {

const QString OtherTitle = QStringLiteral("他のフォルダ");

class OpeningByPath : public FolderCommands {
protected:
    OpeningByPath() {
        makeFolders({2, 3});
        rig.makePhotos(QStringLiteral("D:\\PHOTOS"), 6, {32, 24});
    }
    void waitForCopy() {
        rig.state.folder.PhotoMarks[1] = 1;
        rig.state.copy.Pick = FolderPick::CopyTarget;
        rig.form->copyTargetPrompt->show();
    }
};

TEST_F(OpeningByPath, ShowsEveryPhotoOfTheChosenFilesFolder) {
    rig.state.folder.PhotoMarks[2] = 1;
    rig.dialogs.nextChoice = rig.host(QStringLiteral("D:\\PHOTOS\\P004.JPG"));
    rig.form->otherFolderAction->trigger();

    EXPECT_EQ(rig.dialogs.opened, 1);
    EXPECT_EQ(rig.state.folder.PhotoFolder, QStringLiteral("D:\\PHOTOS"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 6);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 0);
    EXPECT_EQ(rig.state.folder.FolderTitle, OtherTitle);
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 0);
    EXPECT_EQ(listRowFill(1), OtherRow);
    EXPECT_EQ(listRowFill(2), OtherRow);
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 2);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST_F(OpeningByPath, SameCountAsBeforeStillTakesTheHighlightOff) {
    rig.dialogs.nextChoice = rig.host(QStringLiteral("D:\\PHOTOS\\P001.JPG"));
    rig.form->otherFolderAction->trigger();
    clickFolderList(60);
    ASSERT_EQ(listRowFill(1), OpenRow);
    rig.form->otherFolderAction->trigger();
    EXPECT_EQ(listRowFill(1), OtherRow);
    EXPECT_EQ(rig.state.folder.FolderTitle, OtherTitle);
}

TEST_F(OpeningByPath, DropsAWaitingCopy) {
    waitForCopy();
    rig.dialogs.nextChoice = rig.host(QStringLiteral("D:\\PHOTOS\\P001.JPG"));
    rig.form->otherFolderAction->trigger();
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_TRUE(rig.form->copyTargetPrompt->isHidden());
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 0);
}

TEST_F(OpeningByPath, CancelChangesNothingAlsoWhileACopyWaits) {
    waitForCopy();
    rig.dialogs.nextChoice.reset();
    rig.form->otherFolderAction->trigger();
    EXPECT_EQ(rig.dialogs.opened, 1);
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::CopyTarget);
    EXPECT_FALSE(rig.form->copyTargetPrompt->isHidden());
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 1);
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderOf(1));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("f1"));
    EXPECT_EQ(listRowFill(1), OpenRow);
}

TEST_F(OpeningByPath, FileAtTheRootOfADriveShowsThatRoot) {
    rig.makePhotos(QStringLiteral("E:\\"), 2, {32, 24});
    rig.dialogs.nextChoice = rig.host(QStringLiteral("E:\\P002.JPG"));
    rig.form->otherFolderAction->trigger();
    EXPECT_EQ(rig.state.folder.PhotoFolder, QStringLiteral("E:"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(rig.state.folder.PhotoPaths[1].left(4), QStringLiteral("E:\\P"));
}

} // namespace
