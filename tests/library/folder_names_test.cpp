#include "library/folder_names.h"

#include <gtest/gtest.h>

namespace {

FolderRows tableOf(std::initializer_list<const char*> directories) {
    FolderRows table{};
    int i = 0;
    for (const char* directory : directories)
        table[++i][ColDirectory] = QString::fromUtf8(directory);
    return table;
}

TEST(FolderNumbers, LowestFreeNumberIsReused) {
    EXPECT_EQ(nextFolderNumber(FolderRows{}, 0), 1);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "IMG_0002_b", "IMG_0004_c"}), 3), 3);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "IMG_0002_b", "IMG_0003_c"}), 3), 4);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0002_a", "IMG_0003_b"}), 2), 1);
    // A row whose directory has no digits uses 0, which frees nothing.
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "photos"}), 2), 2);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "IMG_0009_z"}), 2), 2);
}

TEST(FolderNumbers, DigitsFromTheFifthCharacter) {
    EXPECT_EQ(folderNumberOf(QStringLiteral("IMG_0007_えんそく")), 7);
    EXPECT_EQ(folderNumberOf(QStringLiteral("IMG_12x")), 12);
    EXPECT_EQ(folderNumberOf(QStringLiteral("IMG_")), 0);
    EXPECT_EQ(folderNumberOf(QStringLiteral("abc")), 0);
    EXPECT_EQ(photoFolderName(7, QStringLiteral("えんそく")), QStringLiteral("IMG_0007_えんそく"));
    EXPECT_EQ(photoFolderName(1000, QStringLiteral("x")), QStringLiteral("IMG_1000_x"));
}

TEST(FolderTitles, RefusesNamesThatBreakTheIndexOrTheFileSystem) {
    for (const char* bad : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a,b",
                            ".", "..", "...", "ab.", "ab ", "", "a\tb", "caf\u00e9", "\U0001F600"})
        EXPECT_FALSE(isUsableFolderTitle(QString::fromUtf8(bad))) << bad;
    for (const char* good : {"えんそく", " a", "a.b", "３年 うんどうかい", "ﾃﾞｰﾀ"})
        EXPECT_TRUE(isUsableFolderTitle(QString::fromUtf8(good))) << good;
}

TEST(DirectoryNames, OnlyPlainNamesInsideTheClassFolder) {
    EXPECT_TRUE(isPlainDirectoryName(QStringLiteral("IMG_0001_a")));
    for (const char* bad : {"", ".", "..", "..\\x", "a\\b", "a/b", "C:x"})
        EXPECT_FALSE(isPlainDirectoryName(QString::fromUtf8(bad))) << bad;
}

} // namespace
