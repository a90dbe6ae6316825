#include "library/index_file.h"
#include "library/library_paths.h"
#include "platform/cp932_text.h"
#include "support/test_rig.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

FolderRows& freshTable() {
    static FolderRows table;
    table = FolderRows{};
    return table;
}

TEST(IndexLines, ReadsTheFourFieldsInFileOrder) {
    FolderRows& table = freshTable();
    const int count =
        parseIndexLines({QStringLiteral("えんそく,IMG_0001_えんそく,2002/05/20 24,"),
                         QStringLiteral("うんどうかい,IMG_0002_うんどうかい,2002/06/15 7,")},
                        table);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(table[1][ColTitle], QStringLiteral("えんそく"));
    EXPECT_EQ(table[1][ColDirectory], QStringLiteral("IMG_0001_えんそく"));
    EXPECT_EQ(table[1][ColDateCount], QStringLiteral("2002/05/20 24"));
    EXPECT_EQ(table[1][ColRemark], QString());
    EXPECT_EQ(storedPhotoCount(table[2][ColDateCount]), 7);
}

TEST(IndexLines, TwoCommaLineReadsWithEmptyRemarkAndWritesBackWithThird) {
    FolderRows& table = freshTable();
    ASSERT_EQ(parseIndexLines({QStringLiteral("a,b,2002/06/15 3")}, table), 1);
    EXPECT_EQ(table[1][ColDateCount], QStringLiteral("2002/06/15 3"));
    EXPECT_EQ(storedPhotoCount(table[1][ColDateCount]), 3);
    EXPECT_EQ(formatIndexLines(table, 1), QStringList{QStringLiteral("a,b,2002/06/15 3,")});
}

TEST(IndexLines, RemarkWithCommasIsKeptWhole) {
    FolderRows& table = freshTable();
    const QString line = QStringLiteral("t,d,2002/06/15 1,３年２組, 999 ,x");
    ASSERT_EQ(parseIndexLines({line}, table), 1);
    EXPECT_EQ(table[1][ColRemark], QStringLiteral("３年２組, 999 ,x"));
    EXPECT_EQ(formatIndexLines(table, 1), QStringList{line});
}

TEST(IndexLines, LineWithFewerThanTwoCommasEndsTheReading) {
    FolderRows& table = freshTable();
    EXPECT_EQ(
        parseIndexLines(
            {QStringLiteral("a,b,c"), QStringLiteral("no commas"), QStringLiteral("d,e,f")}, table),
        1);
    EXPECT_EQ(parseIndexLines({QStringLiteral("a,b,c"), QString(), QStringLiteral("d,e,f")}, table),
              1);
    EXPECT_EQ(parseIndexLines({QStringLiteral("one,comma")}, table), 0);
}

TEST(IndexLines, TakesAtMostOneThousandRows) {
    FolderRows& table = freshTable();
    QStringList lines;
    for (int i = 1; i <= 1001; ++i)
        lines << QStringLiteral("t%1,IMG_%1,2002/06/15 %1,").arg(i);
    EXPECT_EQ(parseIndexLines(lines, table), 1000);
    EXPECT_EQ(table[1000][ColTitle], QStringLiteral("t1000"));
}

TEST(IndexLines, BlanksAreKept) {
    FolderRows& table = freshTable();
    ASSERT_EQ(parseIndexLines({QStringLiteral(" a , b ,, ")}, table), 1);
    EXPECT_EQ(table[1][ColTitle], QStringLiteral(" a "));
    EXPECT_EQ(table[1][ColDirectory], QStringLiteral(" b "));
    EXPECT_EQ(table[1][ColRemark], QStringLiteral(" "));
}

TEST(StoredPhotoCount, TakesLeadingDigitsFromTheTwelfthCharacter) {
    EXPECT_EQ(storedPhotoCount(QStringLiteral("2002/06/15 12")), 12);
    EXPECT_EQ(storedPhotoCount(QStringLiteral("2002/06/15 7x")), 7);
    EXPECT_EQ(storedPhotoCount(QStringLiteral("2002/06/15 ")), 0);
    EXPECT_EQ(storedPhotoCount(QString()), 0);
    EXPECT_EQ(storedPhotoCount(QStringLiteral("2002/06/15 abc")), 0);
    EXPECT_EQ(dateAndCount(QStringLiteral("2002/06/15"), 0), QStringLiteral("2002/06/15 0"));
}

TEST(IndexPaths, JoinWithOneSeparatorOrAppendAfterATrailingOne) {
    EXPECT_EQ(indexPathOf(QStringLiteral("C:\\A_IMAGE\\CLASS_32")),
              QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMGMAIN.TXT"));
    EXPECT_EQ(indexPathOf(QStringLiteral("C:\\A_IMAGE\\")),
              QStringLiteral("C:\\A_IMAGE\\IMGMAIN.TXT"));
    EXPECT_EQ(fileNameOf(QStringLiteral("C:\\a\\b\\X.JPG")), QStringLiteral("X.JPG"));
    EXPECT_EQ(folderOf(QStringLiteral("C:\\a\\b\\X.JPG")), QStringLiteral("C:\\a\\b"));
}

class IndexFileOnDisk : public ::testing::Test {
protected:
    TestRig rig;
    const QString classFolder = QStringLiteral("C:\\A_IMAGE\\CLASS_32");

    void SetUp() override {
        ASSERT_TRUE(rig.files.makeDirectory(QStringLiteral("C:\\A_IMAGE")));
        ASSERT_TRUE(rig.files.makeDirectory(classFolder));
    }
    QString indexHostPath() const { return rig.host(indexPathOf(classFolder)); }
};

TEST_F(IndexFileOnDisk, WritesCodePage932WithCrLfAndReadsItBack) {
    FolderRows& table = freshTable();
    table[1] = {QStringLiteral("2002/06/15 3"), QStringLiteral("えんそく～"),
                QStringLiteral("IMG_0001_えんそく～"), QString()};
    table[2] = {QStringLiteral("2002/06/16 0"), QStringLiteral("ﾃﾞｰﾀ"),
                QStringLiteral("IMG_0002_ﾃﾞｰﾀ"), QStringLiteral("r,1")};
    ASSERT_TRUE(writeIndex(rig.files, classFolder, table, 2));

    QFile file(indexHostPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 2);
    EXPECT_TRUE(bytes.contains(encodeCp932(QStringLiteral("えんそく～"))));

    FolderRows readBack{};
    ASSERT_EQ(readIndex(rig.files, indexPathOf(classFolder), readBack), 2);
    EXPECT_EQ(readBack[1], table[1]);
    EXPECT_EQ(readBack[2], table[2]);
}

TEST_F(IndexFileOnDisk, EmptyTableWritesAnEmptyFile) {
    ASSERT_TRUE(writeIndex(rig.files, classFolder, freshTable(), 0));
    EXPECT_EQ(QFile(indexHostPath()).size(), 0);
}

TEST_F(IndexFileOnDisk, ExtraEmptyLastLineAndMissingFile) {
    QFile file(indexHostPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a,IMG_0001_a,2002/06/15 1,\r\nb,IMG_0002_b,2002/06/15 2,\r\n\r\n");
    file.close();
    FolderRows& table = freshTable();
    EXPECT_EQ(readIndex(rig.files, indexPathOf(classFolder), table), 2);
    EXPECT_EQ(readIndex(rig.files, QStringLiteral("C:\\nowhere\\IMGMAIN.TXT"), table), 0);
}

TEST_F(IndexFileOnDisk, InvalidBytesReadWithoutStopping) {
    QFile file(indexHostPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x82\xa0\xff\x81,IMG_0001,2002/06/15 1,\r\nb,IMG_0002_b,2002/06/15 2,\r\n");
    file.close();
    FolderRows& table = freshTable();
    ASSERT_EQ(readIndex(rig.files, indexPathOf(classFolder), table), 2);
    EXPECT_TRUE(table[1][ColTitle].startsWith(QStringLiteral("あ")));
    EXPECT_TRUE(table[1][ColTitle].contains(QChar(0xFFFD)));
}

TEST_F(IndexFileOnDisk, FailedWriteLeavesTheOldIndexWhole) {
    FolderRows& table = freshTable();
    table[1] = {
        QStringLiteral("2002/06/15 3"), QStringLiteral("a"), QStringLiteral("IMG_0001_a"), {}};
    ASSERT_TRUE(writeIndex(rig.files, classFolder, table, 1));
    const QByteArray before = [&] {
        QFile f(indexHostPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    // A class folder that is a file cannot take the new index.
    const QString blocked = QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMGMAIN.TXT");
    EXPECT_FALSE(writeIndex(rig.files, blocked, table, 1));
    QFile f(indexHostPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

} // namespace
