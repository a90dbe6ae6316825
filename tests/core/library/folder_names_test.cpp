// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/folder_names.h"

#include <gtest/gtest.h>

namespace {

FolderIndex tableOf(std::initializer_list<const char*> directories) {
    FolderIndex table;
    for (const char* directory : directories)
        table.addRow({QString(), QString(), QString::fromUtf8(directory), QString()});
    return table;
}

TEST(FolderNumbers, LowestFreeNumberIsReused) {
    EXPECT_EQ(nextFolderNumber(FolderIndex{}), 1);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "IMG_0002_b", "IMG_0004_c"})), 3);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "IMG_0002_b", "IMG_0003_c"})), 4);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0002_a", "IMG_0003_b"})), 1);
    // A row whose directory has no digits uses 0, which frees nothing.
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "photos"})), 2);
    EXPECT_EQ(nextFolderNumber(tableOf({"IMG_0001_a", "IMG_0009_z"})), 2);
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

// Names Windows opens as devices, or changes, are never used.
const char* const UnsafeNames[] = {
    "",     ".",   "..",      "..\\x",      "a\\b",  "a/b",  "C:x",      "a*b",  "a?b",
    "a\"b", "a<b", "a>b",     "a|b",        "a\x01", "a\nb", "a\x7f",    "ab.",  "ab ",
    "CON",  "con", "Prn.txt", "aux.tar.gz", "NUL",   "COM1", "com9.jpg", "LPT1", "lpt9.x"};

TEST(DirectoryNames, OnlyPlainNamesInsideTheClassFolder) {
    for (const char* good : {"IMG_0001_a", "IMG_0001_ソフト", "ー", "COM0", "COM10", "LPT",
                             "CONSOLE", "NULL.txt", "a.CON", ".a"})
        EXPECT_TRUE(isPlainDirectoryName(QString::fromUtf8(good))) << good;
    for (const char* bad : UnsafeNames)
        EXPECT_FALSE(isPlainDirectoryName(QString::fromUtf8(bad))) << bad;
}

TEST(FolderTitles, EachRefusalHasItsReason) {
    EXPECT_EQ(checkFolderTitle(QString()), TitleCheck::Empty);
    for (const char* bad : UnsafeNames) {
        if (*bad) {
            EXPECT_EQ(checkFolderTitle(QString::fromUtf8(bad)), TitleCheck::ForbiddenName) << bad;
        }
    }
    EXPECT_EQ(checkFolderTitle(QStringLiteral("a,b")), TitleCheck::ForbiddenName);
    for (const char* unencodable : {"caf\u00e9", "\U0001F600", "한글", "\u00a0"})
        EXPECT_EQ(checkFolderTitle(QString::fromUtf8(unencodable)), TitleCheck::Unencodable)
            << unencodable;
    // Characters whose code page bytes hold 0x5C or 0x7C, and the forms Linux
    // input methods type for full-width ones.
    for (const char* good : {"ソフト", "ー", "表示", "ポ－ル", "1〜3", "−5", "‖", "¢£¬"})
        EXPECT_EQ(checkFolderTitle(QString::fromUtf8(good)), TitleCheck::Usable) << good;
}

} // namespace
