// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/locked_index.h"
#include "database_rig.h"

#include <QFile>

namespace {

// Where the rows of IMG_0001_seed_1 (two photos) and IMG_0003_B_1 (one
// photo) are to be found once the index file is gone.
enum class LeftBehind { NoCopy, NewCopy, OldCopy, OnlyFolders };

// Found by a save, except with only folders, found by opening the database.
class MissingIndex : public ::testing::TestWithParam<LeftBehind> {};

TEST_P(MissingIndex, IsRecoveredWithEveryRowNeverWrittenOver) {
    DatabaseRig rig;
    const QString seed = QStringLiteral("IMG_0001_seed_1");
    const QString b = QStringLiteral("IMG_0003_B_1");
    rig.makePhotos(rig.dbFolder(seed), 2, {32, 24});
    rig.makePhotos(rig.dbFolder(b), 1, {32, 24});
    const QStringList rows = {QStringLiteral("seed_1,%1,2002/06/01 2,１年１組").arg(seed),
                              QStringLiteral("B_1,%1,2002/06/02 1,１年２組").arg(b)};
    const QString index = rig.host(indexPathOf(rig.databaseRoot));
    const LeftBehind left = GetParam();
    const bool throughSave = left != LeftBehind::OnlyFolders;
    if (left != LeftBehind::OnlyFolders)
        rig.writeDbLines(rows);
    if (left == LeftBehind::NewCopy || left == LeftBehind::OldCopy)
        ASSERT_TRUE(QFile::rename(index, index + (left == LeftBehind::NewCopy ? ".new" : ".old")));
    else
        QFile::remove(index);

    if (throughSave) {
        rig.makeClassFolders({{QStringLiteral("C_1"), 1}});
        rig.state.openClass.ClassName = QStringLiteral("２年３組");
        rig.messages.answers = {true};
        rig.clickSave();
    } else {
        rig.switchTree();
    }

    const QStringList lines = rig.dbLines();
    const bool fromCopy = left == LeftBehind::NewCopy || left == LeftBehind::OldCopy;
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    // A copy keeps its rows as they were; rows made anew tell the folders.
    QStringList expected = fromCopy
                               ? rows
                               : QStringList{QStringLiteral("seed_1,%1,%2 2,").arg(seed, today),
                                             QStringLiteral("B_1,%1,%2 1,").arg(b, today)};
    if (throughSave)
        expected << QStringLiteral("C_1,IMG_0002_C_1,2002/06/15 1,２年３組");
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(rig.messages.shown.contains(IndexRebuiltMessage), !fromCopy);
    EXPECT_EQ(QDir(rig.host(rig.databaseRoot)).entryList({QStringLiteral("IMGMAIN.TXT*")}),
              QStringList{QStringLiteral("IMGMAIN.TXT")});
}

INSTANTIATE_TEST_SUITE_P(Database, MissingIndex,
                         ::testing::Values(LeftBehind::NoCopy, LeftBehind::NewCopy,
                                           LeftBehind::OldCopy, LeftBehind::OnlyFolders));

} // namespace
