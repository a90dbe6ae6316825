// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/database_save.h"
#include "core/library/locked_index.h"
#include "database_rig.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/main_window/lock_wait_indicator.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

class SavingToTheDatabase : public ::testing::Test {
protected:
    SavingToTheDatabase() {
        rig.state.openClass.ClassName = QStringLiteral("２年３組");
        rig.state.settings.PcNumber = 999;
    }
    void saveYes() {
        rig.messages.answers = {true};
        rig.clickSave();
    }

    DatabaseRig rig;
};

TEST_F(SavingToTheDatabase, IntoAnEmptyDatabaseMakesFolderOneWithTheTeachersTag) {
    rig.makeClassFolders({{QStringLiteral("はな"), 1}, {QStringLiteral("えんそく"), 3}});
    QTest::mouseClick(rig.form->folderList, Qt::LeftButton, {}, {60, 88});
    ASSERT_EQ(rig.state.folder.FolderTitle, QStringLiteral("えんそく"));
    const QString shown = rig.state.folder.PhotoFolder;

    saveYes();
    EXPECT_EQ(rig.messages.shown, QStringList({SaveQuestion, Saved}));
    EXPECT_EQ(rig.dbLines(),
              QStringList{QStringLiteral("えんそく,IMG_0001_えんそく,2002/06/15 3,２年３組 先生")});
    EXPECT_EQ(rig.namesIn(rig.dbFolder(QStringLiteral("IMG_0001_えんそく"))), rig.namesIn(shown));
    EXPECT_EQ(rig.namesIn(shown).size(), 3);

    // The window still shows the class folder, and a delete acts on it.
    EXPECT_EQ(rig.state.folder.PhotoFolder, shown);
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.classFolder);
    rig.messages.answers = {true};
    QTest::mouseClick(rig.form->deleteFolderButton, Qt::LeftButton);
    EXPECT_FALSE(rig.files.exists(shown));
    EXPECT_EQ(rig.namesIn(rig.dbFolder(QStringLiteral("IMG_0001_えんそく"))).size(), 3);
}

TEST_F(SavingToTheDatabase, TakesTheLowestFreeNumberAndTheLastRow) {
    rig.writeDbLines({QStringLiteral("a,IMG_0001_a,2002/06/01 0,"),
                      QStringLiteral("c,IMG_0003_c,2002/06/01 0,")});
    rig.makeClassFolders({{QStringLiteral("b"), 2}});
    saveYes();
    const QStringList lines = rig.dbLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2], QStringLiteral("b,IMG_0002_b,2002/06/15 2,２年３組 先生"));
    EXPECT_EQ(rig.namesIn(rig.dbFolder(QStringLiteral("IMG_0002_b"))).size(), 2);
}

// A save that ended between making its folder and writing its row left an
// empty folder; the next save clears it under the lock, but never a folder
// that holds anything.
TEST_F(SavingToTheDatabase, AnEmptyFolderLeftWithoutItsRowIsClearedByTheNextSave) {
    rig.writeDbLines({QStringLiteral("a,IMG_0001_a,2002/06/01 0,")});
    QDir().mkpath(rig.host(rig.dbFolder(QStringLiteral("IMG_0002_x"))));
    QDir().mkpath(rig.host(rig.dbFolder(QStringLiteral("IMG_0003_y"))));
    QFile(rig.host(rig.dbFolder(QStringLiteral("IMG_0003_y/P.JPG")))).open(QIODevice::WriteOnly);
    rig.makeClassFolders({{QStringLiteral("b"), 1}});
    saveYes();
    EXPECT_EQ(rig.dbLines().value(1), QStringLiteral("b,IMG_0002_b,2002/06/15 1,２年３組 先生"));
    EXPECT_FALSE(QFileInfo::exists(rig.host(rig.dbFolder(QStringLiteral("IMG_0002_x")))));
    EXPECT_TRUE(QFileInfo::exists(rig.host(rig.dbFolder(QStringLiteral("IMG_0003_y/P.JPG")))));
}

TEST_F(SavingToTheDatabase, AnEmptyFolderGivesAnEmptyDatabaseFolderCountedZero) {
    rig.state.openClass.ClassName = QStringLiteral("個人利用");
    rig.state.settings.PcNumber = 3;
    rig.makeClassFolders({{QStringLiteral("から"), 0}});
    saveYes();
    EXPECT_EQ(rig.dbLines(),
              QStringList{QStringLiteral("から,IMG_0001_から,2002/06/15 0,個人利用 PC03")});
    EXPECT_TRUE(rig.files.isDirectory(rig.dbFolder(QStringLiteral("IMG_0001_から"))));
}

TEST_F(SavingToTheDatabase, NoBeepsAndWritesNothing) {
    rig.makeClassFolders({{QStringLiteral("a"), 1}});
    rig.messages.answers = {false};
    rig.clickSave();
    EXPECT_EQ(rig.messages.beeps, 1);
    EXPECT_FALSE(rig.files.exists(indexPathOf(rig.databaseRoot)));
    EXPECT_TRUE(rig.namesIn(rig.databaseRoot).isEmpty());
}

// A title read from an index could climb out of the database folder.
TEST_F(SavingToTheDatabase, UnsafeTitlesAreRefusedBeforeAnythingIsWritten) {
    rig.makeClassFolders({{QStringLiteral("a"), 1}});
    for (const QString& title : {QStringLiteral("..\\..\\x"), QStringLiteral("a,b"),
                                 QStringLiteral(".."), QStringLiteral("x/y")}) {
        rig.messages.shown.clear();
        rig.state.folder.FolderTitle = title;
        rig.clickSave();
        EXPECT_EQ(rig.messages.shown,
                  QStringList{QStringLiteral("フォルダ名につかえないもじがあります。")})
            << title.toStdString();
    }
    EXPECT_FALSE(rig.files.exists(indexPathOf(rig.databaseRoot)));
    EXPECT_TRUE(
        QDir(rig.host(rig.databaseRoot)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(SavingToTheDatabase, SavedRowSurvivesARenameInTheOpenDatabase) {
    rig.makePhotos(rig.dbFolder(QStringLiteral("IMG_0001_a")), 2, {32, 24});
    rig.writeDbLines({QStringLiteral("a,IMG_0001_a,2002/06/01 2,１年１組")});
    rig.switchTree();
    saveYes();
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 2);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);

    rig.state.FolderNameWindowMode = FolderNameMode::Rename;
    rig.modals.script = [](QDialog& dialog) {
        auto& window = static_cast<FolderNameWindow&>(dialog);
        window.nameEdit->setText(QStringLiteral("あ"));
        QTest::mouseClick(window.runButton, Qt::LeftButton);
    };
    QTest::mouseClick(rig.form->renameFolderButton, Qt::LeftButton);
    EXPECT_EQ(rig.dbLines(),
              QStringList({QStringLiteral("あ,IMG_0001_a,2002/06/01 2,"),
                           QStringLiteral("a,IMG_0002_a,2002/06/15 2,２年３組 先生")}));
    EXPECT_EQ(rig.state.openClass.FolderTable[2][ColDirectory], QStringLiteral("IMG_0002_a"));
}

TEST_F(SavingToTheDatabase, ABusyDatabaseChangesNothing) {
    rig.makeClassFolders({{QStringLiteral("a"), 1}});
    const auto held =
        rig.files.lockFile(indexLockPathOf(rig.databaseRoot), std::chrono::milliseconds(0));
    ASSERT_TRUE(held);
    rig.files.setLockWaitLimit(std::chrono::milliseconds(300));
    LockWaitIndicator indicator(*rig.form, rig.files);
    bool waitShown = false; // the window goes on handling its events meanwhile
    QTimer::singleShot(100, [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        waitShown =
            !rig.form->waitNotice->isHidden() && cursor && cursor->shape() == Qt::WaitCursor;
    });
    saveYes();
    EXPECT_TRUE(waitShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(rig.messages.shown, QStringList({SaveQuestion, Busy}));
    EXPECT_FALSE(rig.files.exists(indexPathOf(rig.databaseRoot)));
    EXPECT_FALSE(rig.files.exists(rig.dbFolder(QStringLiteral("IMG_0001_a"))));
}

// Lines the reader does not take as rows stay; an index that cannot be read
// is never written over and nothing is copied.
TEST_F(SavingToTheDatabase, KeepsLinesThatAreNoRowsAndNeverOverwritesAnUnreadableIndex) {
    rig.makeClassFolders({{QStringLiteral("a"), 1}});
    rig.writeDbLines({QStringLiteral("no row here"), QStringLiteral("x,IMG_0001_x,2002/06/01 0,")});
    saveYes();
    EXPECT_EQ(
        rig.dbLines(),
        QStringList({QStringLiteral("no row here"), QStringLiteral("x,IMG_0001_x,2002/06/01 0,"),
                     QStringLiteral("a,IMG_0002_a,2002/06/15 1,２年３組 先生")}));

    const QString index = rig.host(indexPathOf(rig.databaseRoot));
    ASSERT_TRUE(QFile::remove(index));
    ASSERT_TRUE(QDir().mkdir(index));
    rig.messages.shown.clear();
    rig.state.folder.FolderTitle = QStringLiteral("b");
    saveYes();
    EXPECT_EQ(rig.messages.shown,
              QStringList({SaveQuestion, QStringLiteral("データベースに保存できませんでした。")}));
    EXPECT_TRUE(QFileInfo(index).isDir());
    EXPECT_FALSE(rig.files.exists(rig.dbFolder(QStringLiteral("IMG_0001_b"))));
}

struct TagCase {
    int pcNumber;
    const char16_t* tag;
};

class MachineTags : public ::testing::TestWithParam<TagCase> {};

TEST_P(MachineTags, FollowTheNodeNumber) {
    EXPECT_EQ(machineTag(GetParam().pcNumber), QString::fromUtf16(GetParam().tag));
}

INSTANTIATE_TEST_SUITE_P(Numbers, MachineTags,
                         ::testing::Values(TagCase{999, u" 先生"}, TagCase{5, u" PC05"},
                                           TagCase{10, u" PC10"}, TagCase{123, u" PC23"},
                                           TagCase{1, u" PC01"}, TagCase{0, u""}, TagCase{-1, u""}),
                         [](const auto& info) {
                             const int n = info.param.pcNumber;
                             return (n < 0 ? std::string("minus") : std::string("pc")) +
                                    std::to_string(std::abs(n));
                         });

} // namespace
