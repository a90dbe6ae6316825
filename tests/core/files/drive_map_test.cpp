// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/drive_map.h"
#include "core/files/removable_cards.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace {

void writeUtf8(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(DriveMapTest, DefaultsPutZOnTheHostRootAndOtherLettersUnderTheRoot) {
    const DriveMap drives(QStringLiteral("/srv/fotobako/drives/"));
    EXPECT_EQ(drives.hostFolder(u'Z'), QStringLiteral("/"));
    EXPECT_EQ(drives.hostFolder(u'C'), QStringLiteral("/srv/fotobako/drives/c"));
    EXPECT_EQ(drives.hostFolder(u'a'), QStringLiteral("/srv/fotobako/drives/a"));
    EXPECT_TRUE(drives.isDefault(u'C'));
    EXPECT_TRUE(drives.hostFolder(u'1').isEmpty());
    EXPECT_FALSE(drives.isDefault(u'1'));
}

TEST(DriveMapTest, StandardRootIsTheDrivesFolderOfTheApplicationData) {
    EXPECT_EQ(DriveMap::standardDefaultRoot(),
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/drives"));
}

TEST(DriveMapTest, DrivesTxtOverridesLettersAndSkipsWhatDoesNotParse) {
    QTemporaryDir dir;
    const QString drivesTxt = dir.filePath(QStringLiteral("DRIVES.TXT"));
    writeUtf8(drivesTxt, "\xEF\xBB\xBF"
                         "A: /media/card\r\n"
                         "d:   /srv/写真/  \n"
                         "this line is not a drive\n"
                         "\n"
                         "7: /nowhere\n"
                         "e: /first\r\n"
                         "E: shared\r\n"
                         "F:\n");
    DriveMap drives(dir.filePath(QStringLiteral("drives")));
    ASSERT_TRUE(drives.loadOverrides(drivesTxt));

    EXPECT_EQ(drives.hostFolder(u'A'), QStringLiteral("/media/card"));
    EXPECT_FALSE(drives.isDefault(u'A'));
    EXPECT_EQ(drives.hostFolder(u'D'), QStringLiteral("/srv/写真"));
    EXPECT_EQ(drives.hostFolder(u'E'), dir.filePath(QStringLiteral("shared"))); // the last line
    EXPECT_EQ(drives.loadNotes().size(), 1) << "E: given twice is noted";
    EXPECT_TRUE(drives.isDefault(u'F'));
    EXPECT_EQ(drives.hostFolder(u'F'), dir.filePath(QStringLiteral("drives/f")));
    EXPECT_EQ(drives.hostFolder(u'Z'), QStringLiteral("/"));
}

TEST(DriveMapTest, MissingDrivesTxtChangesNothing) {
    DriveMap drives(QStringLiteral("/srv/drives"));
    EXPECT_FALSE(drives.loadOverrides(QStringLiteral("/nonexistent/DRIVES.TXT")));
    EXPECT_TRUE(drives.isDefault(u'A'));
}

TEST(DriveMapTest, KnownFoldersAreOverridesAndDefaultsThatExist) {
    QTemporaryDir dir;
    DriveMap drives(dir.filePath(QStringLiteral("drives")));
    drives.setDrive(u'a', QStringLiteral("/media/card/"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("drives/c"))));

    const QMap<QChar, QString> known = drives.knownFolders();
    EXPECT_EQ(known.keys(), (QList<QChar>{u'A', u'C', u'Z'}));
    EXPECT_EQ(known.value(u'A'), QStringLiteral("/media/card"));
    EXPECT_EQ(known.value(u'C'), dir.filePath(QStringLiteral("drives/c")));
}

TEST(DriveMapTest, TheCardWithDcimIsPreferredThenTheOneMountedLast) {
    const MountedCard a{QStringLiteral("/media/u/A"), false},
        b{QStringLiteral("/media/u/B"), false}, dcim{QStringLiteral("/media/u/DCIM"), true};
    const std::pair<QList<MountedCard>, std::optional<QString>> cases[] = {
        {{}, std::nullopt}, {{a, b}, b.hostFolder}, {{a, dcim, b}, dcim.hostFolder}};
    for (const auto& [cards, chosen] : cases)
        EXPECT_EQ(chooseCard(cards), chosen) << cards.size();
}
