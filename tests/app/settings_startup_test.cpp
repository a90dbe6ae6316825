// SPDX-License-Identifier: GPL-3.0-or-later
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
    void start() { startUp(rig.program, *rig.form, programFolder.path()); }
};

TEST_F(SettingsStartUp, NoSettingsFileStartsInSchoolUseOnTheClassPanel) {
    start();
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("C:\\A_IMAGE\\"));
    EXPECT_EQ(rig.state.settings.PhotoDrivePath, QStringLiteral("A:\\"));
    EXPECT_TRUE(rig.state.settings.UsageMode.isEmpty());
    EXPECT_FALSE(rig.form->classPanel->isHidden());
    EXPECT_TRUE(rig.form->thumbnailPanel->isHidden());
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 0);
}

TEST_F(SettingsStartUp, SchoolYearMakesBothFolders) {
    writeSettings({QStringLiteral("E:\\"), QStringLiteral("D:\\A_image\\"), QStringLiteral("2002"),
                   QStringLiteral("学校利用"), QStringLiteral(" 3 "),
                   QStringLiteral("D:\\Adb_image\\")});
    start();
    EXPECT_EQ(rig.state.settings.PhotoDrivePath, QStringLiteral("E:\\"));
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("D:\\A_image\\2002\\"));
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.state.settings.SaveRoot);
    EXPECT_EQ(rig.state.settings.PcNumber, 3);
    EXPECT_TRUE(QFileInfo(rig.host(QStringLiteral("D:\\A_image\\2002"))).isDir());
    EXPECT_TRUE(QFileInfo(rig.host(QStringLiteral("D:\\Adb_image"))).isDir());
    EXPECT_EQ(rig.form->saveDriveButton->text(), QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(C:)"));
    EXPECT_FALSE(rig.form->classPanel->isHidden());
}

TEST_F(SettingsStartUp, OneLineFileChangesOnlyThePhotoDrive) {
    writeSettings({QStringLiteral("F:\\")});
    start();
    EXPECT_EQ(rig.state.settings.PhotoDrivePath, QStringLiteral("F:\\"));
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("C:\\A_IMAGE\\"));
}

TEST_F(SettingsStartUp, PersonalUseOpensTheSaveRootWithItsFirstFolder) {
    writeSettings({QStringLiteral("A:\\"), QStringLiteral("C:\\A_IMAGE\\"), QString(),
                   QStringLiteral("個人利用"), QStringLiteral(" 0 "), QString()});
    rig.makePhotos(QStringLiteral("C:\\A_IMAGE\\IMG_0001_a"), 3, {64, 48});
    writeCp932Lines(rig.host(QStringLiteral("C:\\A_IMAGE\\IMGMAIN.TXT")),
                    {QStringLiteral("a,IMG_0001_a,2002/06/15 3,")});
    start();
    EXPECT_EQ(rig.state.openClass.ClassFolder, QStringLiteral("C:\\A_IMAGE\\"));
    EXPECT_EQ(rig.state.openClass.ClassName, QStringLiteral("個人利用"));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(rig.state.screen.ThumbColumns, 5);
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
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 0);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 0);
    EXPECT_EQ(rig.state.folder.PhotoCount, 0);
    EXPECT_TRUE(rig.form->classPanel->isHidden());
}

// A save drive folder or database folder on a letter DRIVES.TXT leaves to
// this computer is told of once, when start-up first makes it; drive C: is
// the rig's own folder.
TEST_F(SettingsStartUp, FolderOnAnUnmappedDriveIsToldOnce) {
    const QString onThisComputer =
        QStringLiteral("の ドライブは このコンピュータの なかに つくられます。");
    const struct {
        QString saveBase, databaseRoot, told;
    } cases[] = {
        {QStringLiteral("R:\\A_image\\"), QString(),
         QStringLiteral("「保存ドライブ」") + onThisComputer},
        {QStringLiteral("C:\\A_image\\"), QStringLiteral("S:\\Adb\\"),
         QStringLiteral("「ネットワーク保存ドライブ」") + onThisComputer},
        {QStringLiteral("R:\\A_image\\"), QStringLiteral("S:\\Adb\\"),
         QStringLiteral("「保存ドライブ」と「ネットワーク保存ドライブ」") + onThisComputer},
        {QStringLiteral("C:\\A_image\\"), QStringLiteral("C:\\Adb\\"), QString()},
    };
    for (const auto& c : cases) {
        LibraryRig fresh{1024};
        writeSettings({QStringLiteral("A:\\"), c.saveBase, QString(), QStringLiteral("学校利用"),
                       QStringLiteral(" 0 "), c.databaseRoot});
        for (int run = 0; run < 2; ++run)
            startUp(fresh.program, *fresh.form, programFolder.path());
        EXPECT_EQ(fresh.messages.shown, c.told.isEmpty() ? QStringList() : QStringList{c.told})
            << c.saveBase.toStdString() << " " << c.databaseRoot.toStdString();
        EXPECT_TRUE(fresh.files.isDirectory(c.saveBase));
    }
}

} // namespace
