// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"
#include "core/files/file_system.h"
#include "core/library/settings_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SettingsRead, AllSixLines) {
    const QStringList lines = {QStringLiteral("A:\\"),  QStringLiteral("D:\\A_image\\"),
                               QStringLiteral("2002"),  QStringLiteral("学校利用"),
                               QStringLiteral(" 999 "), QStringLiteral("C:\\Adb_image\\")};
    const SettingsRead read = parseSettingsLines(lines);
    EXPECT_EQ(read.photoDrive, lines[0]);
    EXPECT_EQ(read.saveBase, lines[1]);
    EXPECT_EQ(read.saveSubFolder, lines[2]);
    EXPECT_EQ(read.usageMode, lines[3]);
    EXPECT_EQ(read.pcNumber, 999);
    EXPECT_EQ(read.databaseRoot, lines[5]);
}

TEST(SettingsRead, WholeLinesKeepCommasAndBlanks) {
    const SettingsRead read =
        parseSettingsLines({QStringLiteral(" E:\\a,b\\"), QStringLiteral("C:\\x, y\\")});
    EXPECT_EQ(read.photoDrive, QStringLiteral(" E:\\a,b\\"));
    EXPECT_EQ(read.saveBase, QStringLiteral("C:\\x, y\\"));
    EXPECT_TRUE(read.hasBothLines());
    EXPECT_FALSE(read.saveSubFolder);
}

TEST(SettingsRead, FileThatEndsEarlyKeepsWhatWasRead) {
    EXPECT_FALSE(parseSettingsLines({}).photoDrive);
    const SettingsRead one = parseSettingsLines({QStringLiteral("F:\\")});
    EXPECT_EQ(one.photoDrive, QStringLiteral("F:\\"));
    EXPECT_FALSE(one.hasBothLines());

    const SettingsRead four =
        parseSettingsLines({QStringLiteral("A:\\"), QStringLiteral("C:\\A_image\\"), QString(),
                            QStringLiteral("個人利用")});
    EXPECT_EQ(four.saveSubFolder, QString());
    EXPECT_EQ(four.usageMode, QStringLiteral("個人利用"));
    EXPECT_FALSE(four.pcNumber);
}

TEST(SettingsRead, NonNumericNodeNumberEndsTheReading) {
    const SettingsRead read = parseSettingsLines(
        {QStringLiteral("A:\\"), QStringLiteral("C:\\A_image\\"), QStringLiteral("2001"),
         QStringLiteral("学校利用"), QStringLiteral("先生機"), QStringLiteral("C:\\Adb_image\\")});
    EXPECT_EQ(read.usageMode, QStringLiteral("学校利用"));
    EXPECT_FALSE(read.pcNumber);
    EXPECT_FALSE(read.databaseRoot);
}

TEST(SettingsRead, FieldsSplitAtCommasAndHonourQuotes) {
    // A comma in line 3 shifts the following fields.
    const SettingsRead shifted = parseSettingsLines(
        {QStringLiteral("A:\\"), QStringLiteral("C:\\A_image\\"), QStringLiteral("20,01"),
         QStringLiteral("学校利用"), QStringLiteral(" 3 ")});
    EXPECT_EQ(shifted.saveSubFolder, QStringLiteral("20"));
    EXPECT_EQ(shifted.usageMode, QStringLiteral("01"));
    EXPECT_FALSE(shifted.pcNumber);

    const SettingsRead quoted = parseSettingsLines(
        {QStringLiteral("A:\\"), QStringLiteral("C:\\"), QStringLiteral("  \"20,01\""),
         QStringLiteral("個人利用"), QStringLiteral(" 0 "), QString()});
    EXPECT_EQ(quoted.saveSubFolder, QStringLiteral("20,01"));
    EXPECT_EQ(quoted.usageMode, QStringLiteral("個人利用"));
    EXPECT_EQ(quoted.pcNumber, 0);
    EXPECT_EQ(quoted.databaseRoot, QString());
}

TEST(SettingsWrite, NumberLineHasBlanksAroundAndRoundTrips) {
    SettingsValues values{QStringLiteral("A:\\"),
                          QStringLiteral("C:\\A_image\\"),
                          QStringLiteral("2003"),
                          QStringLiteral("学校利用"),
                          999,
                          QStringLiteral("D:\\Adb_image\\")};
    const QStringList lines = formatSettingsLines(values);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[4], QStringLiteral(" 999 "));
    values.pcNumber = -5;
    EXPECT_EQ(formatSettingsLines(values)[4], QStringLiteral("-5 "));
    values.pcNumber = 0;
    EXPECT_EQ(formatSettingsLines(values)[4], QStringLiteral(" 0 "));

    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    values.pcNumber = 999;
    const FileSystem files(DriveMap(dir.filePath(QStringLiteral("drives"))));
    ASSERT_TRUE(writeSettingsFile(files, path, values));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("A:\\\r\nC:\\A_image\\\r\n2003\r\n" +
                                          encodeCp932(QStringLiteral("学校利用")) +
                                          "\r\n 999 \r\n"));
    const SettingsRead read = readSettingsFile(path);
    EXPECT_EQ(read.pcNumber, 999);
    EXPECT_EQ(read.databaseRoot, QStringLiteral("D:\\Adb_image\\"));
    EXPECT_FALSE(readSettingsFile(dir.filePath(QStringLiteral("missing.txt"))).photoDrive);
}

} // namespace
