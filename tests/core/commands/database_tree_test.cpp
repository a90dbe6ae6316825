// SPDX-License-Identifier: GPL-3.0-or-later
#include "database_rig.h"
#include "support/cp932_files.h"
#include "ui/widgets/picture_box.h"

#include <QLabel>

namespace {

class SwitchingTrees : public ::testing::Test {
protected:
    void makeDatabase(int photos) {
        rig.makePhotos(rig.dbFolder(QStringLiteral("IMG_0001_うんどうかい")), photos, {32, 24}, 50);
        rig.writeDbLines({QStringLiteral("うんどうかい,IMG_0001_うんどうかい,2002/06/01 %1,"
                                         "１年１組 先生")
                              .arg(photos)});
    }
    void expectEmptyPanel() {
        EXPECT_EQ(rig.state.openClass.FolderTable.count(), 0);
        EXPECT_EQ(rig.state.folder.PhotoCount, 0);
        EXPECT_TRUE(rig.state.folder.PhotoFolder.isEmpty());
        const QImage panel = rig.form->thumbnailPanel->image();
        EXPECT_EQ(panel.pixelColor(panel.width() / 2, panel.height() / 2), QColor(255, 255, 192));
    }

    DatabaseRig rig;
};

TEST_F(SwitchingTrees, ToAFilledDatabaseAndBackToTheClassAtItsFirstFolder) {
    rig.makeClassFolders({{QStringLiteral("えんそく"), 2}, {QStringLiteral("はな"), 4}});
    makeDatabase(3);
    rig.form->showFolderCommands();
    ASSERT_EQ(rig.form->switchToDatabaseAction->text(), QStringLiteral("データベースに切りかえ"));
    rig.state.openClass.CurrentFolderIndex = 2;

    rig.switchTree();
    EXPECT_EQ(rig.form->switchToDatabaseAction->text(), QStringLiteral("データベースからもどる"));
    EXPECT_EQ(rig.form->classHeading->text(), QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽ"));
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.databaseRoot);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.PhotoFolder, rig.dbFolder(QStringLiteral("IMG_0001_うんどうかい")));
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("うんどうかい"));

    rig.switchTree();
    EXPECT_EQ(rig.form->switchToDatabaseAction->text(), QStringLiteral("データベースに切りかえ"));
    EXPECT_EQ(rig.form->classHeading->text(), QStringLiteral("３年２組"));
    EXPECT_EQ(rig.state.openClass.ClassFolder, QStringLiteral("C:\\A_IMAGE\\CLASS_32\\"));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 2);
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("えんそく"));
}

TEST_F(SwitchingTrees, EmptyTreesClearThePanelEachTime) {
    rig.makeClassFolders({});
    rig.state.folder.PhotoFolder = QStringLiteral("C:\\ELSEWHERE");
    rig.state.folder.PhotoCount = 2;
    rig.state.folder.PhotoMarks[2] = 1;
    for (int i = 0; i < 3; ++i) {
        rig.switchTree();
        expectEmptyPanel();
        EXPECT_EQ(rig.state.folder.PhotoMarks[2], 0);
    }
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.databaseRoot);
}

TEST_F(SwitchingTrees, InPersonalUseComingBackReopensTheSaveRootWithTheYear) {
    rig.state.openClass.ClassName = QStringLiteral("個人利用");
    rig.state.openClass.ClassSubFolder.clear();
    rig.state.settings.SaveSubFolder = QStringLiteral("2001");
    const QString root = QStringLiteral("C:\\A_IMAGE\\2001\\");
    rig.files.makeDirectory(root);
    rig.makePhotos(joinPath(root, QStringLiteral("IMG_0001_a")), 5, {32, 24});
    writeCp932Lines(rig.host(indexPathOf(root)), {QStringLiteral("a,IMG_0001_a,2002/06/15 5,")});
    rig.state.openClass.ClassFolder = root;

    rig.switchTree();
    expectEmptyPanel();
    rig.switchTree();
    EXPECT_EQ(rig.state.settings.SaveRoot, root);
    EXPECT_EQ(rig.state.openClass.ClassFolder, root);
    EXPECT_EQ(rig.form->classHeading->text(), QStringLiteral("個人利用"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 5);
    EXPECT_EQ(rig.state.folder.PhotoFolder, joinPath(root, QStringLiteral("IMG_0001_a")));
}

TEST_F(SwitchingTrees, WithoutADatabaseFolderNothingChanges) {
    rig.makeClassFolders({{QStringLiteral("a"), 1}});
    rig.state.settings.DatabaseRoot.clear();
    rig.switchTree();
    rig.clickSave();
    EXPECT_EQ(rig.messages.shown, QStringList({NoDatabase, NoDatabase}));
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.classFolder);
    EXPECT_EQ(rig.form->switchToDatabaseAction->text(), QStringLiteral("データベースに切りかえ"));
}

} // namespace
