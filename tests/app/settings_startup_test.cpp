#include "app/startup.h"
#include "core/files/cp932_text.h"
#include "support/cp932_files.h"
#include "support_library/library_fixture.h"
#include "ui/widgets/picture_box.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A program folder with a settings file, and a main window not yet started.
struct SettingsStartUp : ::testing::Test {
    LibraryRig rig{1024};
    QTemporaryDir programFolder;

    void writeSettings(const QStringList& lines) {
        ASSERT_TRUE(writeCp932Lines(programFolder.filePath(QStringLiteral("DRVDATA.TXT")), lines));
    }
    void start() { startUp(rig.program, programFolder.path()); }
};

TEST_F(SettingsStartUp, NoSettingsFileStartsInSchoolUseOnTheClassPanel) {
    start();
    EXPECT_EQ(rig.state.SaveRoot, QStringLiteral("C:\\A_IMAGE\\"));
    EXPECT_EQ(rig.state.PhotoDrivePath, QStringLiteral("A:\\"));
    EXPECT_TRUE(rig.state.UsageMode.isEmpty());
    EXPECT_FALSE(rig.form->classPanel->isHidden());
    EXPECT_TRUE(rig.form->thumbnailPanel->isHidden());
    EXPECT_EQ(rig.state.FolderTable.count(), 0);
}

TEST_F(SettingsStartUp, SchoolYearMakesBothFolders) {
    writeSettings({QStringLiteral("E:\\"), QStringLiteral("D:\\A_image\\"), QStringLiteral("2002"),
                   QStringLiteral("学校利用"), QStringLiteral(" 3 "),
                   QStringLiteral("D:\\Adb_image\\")});
    start();
    EXPECT_EQ(rig.state.PhotoDrivePath, QStringLiteral("E:\\"));
    EXPECT_EQ(rig.state.SaveRoot, QStringLiteral("D:\\A_image\\2002\\"));
    EXPECT_EQ(rig.state.ClassFolder, rig.state.SaveRoot);
    EXPECT_EQ(rig.state.PcNumber, 3);
    EXPECT_TRUE(QFileInfo(rig.host(QStringLiteral("D:\\A_image\\2002"))).isDir());
    EXPECT_TRUE(QFileInfo(rig.host(QStringLiteral("D:\\Adb_image"))).isDir());
    EXPECT_EQ(rig.form->saveDriveButton->text(), QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(C:)"));
    EXPECT_FALSE(rig.form->classPanel->isHidden());
}

TEST_F(SettingsStartUp, OneLineFileChangesOnlyThePhotoDrive) {
    writeSettings({QStringLiteral("F:\\")});
    start();
    EXPECT_EQ(rig.state.PhotoDrivePath, QStringLiteral("F:\\"));
    EXPECT_EQ(rig.state.SaveRoot, QStringLiteral("C:\\A_IMAGE\\"));
}

TEST_F(SettingsStartUp, PersonalUseOpensTheSaveRootWithItsFirstFolder) {
    writeSettings({QStringLiteral("A:\\"), QStringLiteral("C:\\A_IMAGE\\"), QString(),
                   QStringLiteral("個人利用"), QStringLiteral(" 0 "), QString()});
    rig.makePhotos(QStringLiteral("C:\\A_IMAGE\\IMG_0001_a"), 3, {64, 48});
    writeCp932Lines(rig.host(QStringLiteral("C:\\A_IMAGE\\IMGMAIN.TXT")),
                    {QStringLiteral("a,IMG_0001_a,2002/06/15 3,")});
    start();
    EXPECT_EQ(rig.state.ClassFolder, QStringLiteral("C:\\A_IMAGE\\"));
    EXPECT_EQ(rig.state.ClassName, QStringLiteral("個人利用"));
    EXPECT_EQ(rig.state.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.PhotoCount, 3);
    EXPECT_EQ(rig.state.ThumbColumns, 5);
    EXPECT_TRUE(rig.form->classPanel->isHidden());
    EXPECT_FALSE(rig.form->thumbnailPanel->isHidden());
    EXPECT_EQ(rig.form->classHeading->text(), QStringLiteral("個人利用"));
    EXPECT_TRUE(rig.form->editMenu->menuAction()->isVisible());
    EXPECT_FALSE(rig.form->deleteFolderButton->isHidden());
}

TEST_F(SettingsStartUp, PersonalUseWithAnEmptyIndexOpensNoFolder) {
    writeSettings({QStringLiteral("A:\\"), QStringLiteral("C:\\A_IMAGE\\"), QString(),
                   QStringLiteral("個人利用")});
    start();
    EXPECT_EQ(rig.state.FolderTable.count(), 0);
    EXPECT_EQ(rig.state.CurrentFolderIndex, 0);
    EXPECT_EQ(rig.state.PhotoCount, 0);
    EXPECT_TRUE(rig.form->classPanel->isHidden());
}

} // namespace
