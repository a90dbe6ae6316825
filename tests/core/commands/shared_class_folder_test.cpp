// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_wiring.h"
#include "support/smb_share.h"
#include "support_library/import_rig.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/picture_box.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Two machines of one class whose save drive C: is the same folder on a
// Windows share, each through its own mount.
class SharedClassFolder : public testing::Test {
protected:
    void SetUp() override {
        if (!share.start() || !share.mountAgain(QStringLiteral("second")))
            GTEST_SKIP() << "no Windows share here: " << share.skipReason().toStdString();
        onShare(first, share.shareFolder());
        onShare(second, share.shareFolder(QStringLiteral("second")));
    }

    static void onShare(ImportRig& rig, const QString& folder) {
        DriveMap drives = rig.files.drives();
        drives.setDrive(u'C', folder);
        rig.files = FileSystem(drives);
        rig.files.makeDirectory(QStringLiteral("C:\\A_IMAGE"));
        rig.files.makeDirectory(rig.classFolder);
        connectFolderCommands(rig.program, *rig.form);
    }

    static QString line(const QString& title, int number, int count) {
        return QStringLiteral("%1,IMG_%2_%1,2002/06/15 %3,")
            .arg(title)
            .arg(number, 4, 10, QChar(u'0'))
            .arg(count);
    }

    SmbShare share;
    ImportRig first;
    ImportRig second;
};

// Each machine shows the index it read when it opened the class; every
// change re-reads it under the lock, so none writes back a table without the
// other's rows.
TEST_F(SharedClassFolder, AnImportLosesNothingToADeleteAndARenameOnTheOtherMachine) {
    const QStringList titles = {QStringLiteral("はる"), QStringLiteral("なつ"),
                                QStringLiteral("あき")};
    QStringList lines;
    for (int row = 1; row <= 3; ++row) {
        first.makePhotos(
            first.classFolder +
                QStringLiteral("\\IMG_%1_%2").arg(row, 4, 10, QChar(u'0')).arg(titles[row - 1]),
            1, {32, 24});
        lines << line(titles[row - 1], row, 1);
    }
    first.writeIndexLines(lines);
    first.openClassFolder();
    second.openClassFolder();

    second.putPhoto(QStringLiteral("DSC00001.JPG"), 1);
    second.putPhoto(QStringLiteral("DSC00002.JPG"), 2);
    second.messages.answers = {true};
    second.importAs(QStringLiteral("えんそく"));

    QTest::mouseClick(first.form->folderList, Qt::LeftButton, {}, {60, 20 + 34 * 2});
    ASSERT_EQ(first.state.openClass.CurrentFolderIndex, 2);
    first.messages.answers = {true};
    first.form->deleteFolderButton->click();
    QTest::mouseClick(first.form->folderList, Qt::LeftButton, {}, {60, 20 + 34});
    ASSERT_EQ(first.state.openClass.CurrentFolderIndex, 1);
    first.renameTo(QStringLiteral("ふゆ"));

    const QStringList expected = {QStringLiteral("ふゆ,IMG_0001_はる,2002/06/15 1,"),
                                  line(QStringLiteral("あき"), 3, 1),
                                  line(QStringLiteral("えんそく"), 4, 2)};
    EXPECT_EQ(first.readIndexLines(), expected);
    EXPECT_EQ(second.readIndexLines(), expected);
    EXPECT_EQ(second.namesIn(second.folderPath(QStringLiteral("IMG_0004_えんそく")))
                  .filter(QStringLiteral(".JPG"))
                  .size(),
              2);
    EXPECT_EQ(first.state.openClass.FolderTable.count(), 3);
}

} // namespace
