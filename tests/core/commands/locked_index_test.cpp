// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/load_folder.h"
#include "core/library/locked_index.h"
#include "database_rig.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/widgets/picture_box.h"

#include <QFile>
#include <QLineEdit>

namespace {

using namespace std::chrono_literals;

// The database is open on this machine while another machine's save lands
// in its index behind its back.
class SharedIndex : public ::testing::Test {
protected:
    SharedIndex() {
        rig.makePhotos(rig.dbFolder(QStringLiteral("IMG_0001_a")), 2, {32, 24});
        rig.makePhotos(rig.dbFolder(QStringLiteral("IMG_0002_b")), 3, {32, 24});
        rig.writeDbLines({lineA, lineB});
        rig.switchTree();
        rig.writeDbLines({lineA, lineB, otherMachine});
    }

    const QString lineA = QStringLiteral("a,IMG_0001_a,2002/06/01 2,");
    const QString lineB = QStringLiteral("b,IMG_0002_b,2002/06/01 3,");
    const QString otherMachine = QStringLiteral("x,IMG_0003_x,2002/06/14 0,１年１組 PC02");
    DatabaseRig rig;
};

TEST_F(SharedIndex, CountCorrectionKeepsTheOtherMachinesRow) {
    rig.makePhotos(rig.dbFolder(QStringLiteral("IMG_0001_a")), 4, {32, 24});
    loadFolder(rig.program);
    EXPECT_EQ(rig.dbLines(),
              QStringList({QStringLiteral("a,IMG_0001_a,2002/06/15 4,"), lineB, otherMachine}));
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 3);
}

TEST_F(SharedIndex, DeletingFindsItsRowByNameAndKeepsTheOthers) {
    // The other machine's row went in front of ours.
    rig.writeDbLines({otherMachine, lineA, lineB});
    QTest::mouseClick(rig.form->folderList, Qt::LeftButton, {}, {60, 88});
    ASSERT_EQ(rig.state.folder.FolderTitle, QStringLiteral("b"));
    rig.messages.answers = {true};
    QTest::mouseClick(rig.form->deleteFolderButton, Qt::LeftButton);
    EXPECT_EQ(rig.dbLines(), QStringList({otherMachine, lineA}));
    EXPECT_FALSE(rig.files.exists(rig.dbFolder(QStringLiteral("IMG_0002_b"))));
    EXPECT_TRUE(rig.files.exists(rig.dbFolder(QStringLiteral("IMG_0001_a"))));
}

TEST_F(SharedIndex, ANewFolderTakesANumberNoOtherMachineHas) {
    rig.state.FolderNameWindowMode = FolderNameMode::MakeFolder;
    rig.modals.script = [](QDialog& dialog) {
        auto& window = static_cast<FolderNameWindow&>(dialog);
        window.nameEdit->setText(QStringLiteral("new"));
        QTest::mouseClick(window.runButton, Qt::LeftButton);
    };
    rig.form->makeFolderAction->trigger();
    const QStringList lines = rig.dbLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[2], otherMachine);
    EXPECT_EQ(lines[3], QStringLiteral("new,IMG_0004_new,2002/06/15 0,"));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 4);
}

TEST_F(SharedIndex, ABusyLockChangesNeitherTheFileNorTheTable) {
    const auto held = rig.files.lockFile(indexLockPathOf(rig.databaseRoot), 0ms);
    ASSERT_TRUE(held);
    FolderIndex index;
    index.addRow({QString(), QStringLiteral("kept"), QString(), QString()});
    bool called = false;
    const IndexUpdate update = updateIndexLocked(
        rig.files, rig.databaseRoot,
        [&](FolderIndex&) {
            called = true;
            return true;
        },
        index, 50ms);
    EXPECT_EQ(update, IndexUpdate::Busy);
    EXPECT_FALSE(called);
    EXPECT_EQ(index.count(), 1);
    EXPECT_EQ(index[1][ColTitle], QStringLiteral("kept"));
    EXPECT_EQ(rig.dbLines().size(), 3);
}

// A folder without numbered folders holds no evidence of rows.
TEST_F(SharedIndex, ADeclinedChangeWritesNothingButShowsTheIndexAsItIs) {
    const QString folder = QStringLiteral("C:\\empty");
    ASSERT_TRUE(rig.files.makeDirectory(folder));
    FolderIndex index;
    index.addRow({});
    EXPECT_EQ(updateIndexLocked(
                  rig.files, folder, [](FolderIndex&) { return false; }, index, 50ms),
              IndexUpdate::Unchanged);
    EXPECT_EQ(index.count(), 0);
    EXPECT_FALSE(rig.files.exists(indexPathOf(folder)));
    // The lock is let go afterwards.
    EXPECT_TRUE(rig.files.lockFile(indexLockPathOf(folder), 0ms));
}

// A machine that died holding the lock does not stop the others for good:
// once this machine has seen it unchanged for the stale time, by its own
// clock whatever the file's time says, it is taken over.
TEST_F(SharedIndex, AnAbandonedLockIsTakenOverOnceItIsStale) {
    rig.files.setLockPolicy({QString(), 400ms});
    const QString lockHost = rig.host(indexLockPathOf(rig.databaseRoot));
    QFile lock(lockHost);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("12345\nfotobako\nanother-machine\n");
    lock.close();
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    lock.close();
    EXPECT_FALSE(rig.files.lockFile(indexLockPathOf(rig.databaseRoot), 50ms));
    EXPECT_TRUE(rig.files.lockFile(indexLockPathOf(rig.databaseRoot), 1500ms));
}

TEST(FindingRows, TheHintWhenItMatchesElseTheFirstByName) {
    FolderIndex index;
    for (int row = 1; row <= 3; ++row)
        index.addRow({QString(), QString(), row == 2 ? QStringLiteral("d") : QStringLiteral("same"),
                      QString()});
    EXPECT_EQ(index.findRow(QStringLiteral("same"), 3), 3);
    EXPECT_EQ(index.findRow(QStringLiteral("same"), 2), 1);
    EXPECT_EQ(index.findRow(QStringLiteral("d"), 0), 2);
    EXPECT_EQ(index.findRow(QStringLiteral("gone"), 1), 0);
    EXPECT_EQ(index.findRow(QStringLiteral("same"), 4), 1);
}

} // namespace
