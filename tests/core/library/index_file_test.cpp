// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "support/test_rig.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The same rows as the program makes them, with no record of a file.
FolderIndex withoutRecord(const FolderIndex& read) {
    FolderIndex made;
    for (int i = 1; i <= read.count(); ++i)
        made.addRow(read[i]);
    return made;
}

TEST(IndexLines, ReadsTheFourFieldsInFileOrder) {
    const FolderIndex table = parseIndex(
        encodeCp932(QStringLiteral("えんそく,IMG_0001_えんそく,2002/05/20 24,\r\n"
                                   "うんどうかい,IMG_0002_うんどうかい,2002/06/15 7,\r\n")));
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table[1][ColTitle], QStringLiteral("えんそく"));
    EXPECT_EQ(table[1][ColDirectory], QStringLiteral("IMG_0001_えんそく"));
    EXPECT_EQ(table[1][ColDateCount], QStringLiteral("2002/05/20 24"));
    EXPECT_EQ(table[1][ColRemark], QString());
    EXPECT_EQ(storedPhotoCount(table[2][ColDateCount]), 7);
}

TEST(IndexLines, TwoCommaLineReadsWithEmptyRemarkAndWritesBackWithThird) {
    const FolderIndex table = parseIndex("a,b,2002/06/15 3\r\n");
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table[1][ColDateCount], QStringLiteral("2002/06/15 3"));
    EXPECT_EQ(storedPhotoCount(table[1][ColDateCount]), 3);
    EXPECT_EQ(formatIndex(table), QByteArray("a,b,2002/06/15 3,\r\n"));
    EXPECT_EQ(formatIndex(withoutRecord(table)), QByteArray("a,b,2002/06/15 3,\r\n"));
}

TEST(IndexLines, RemarkWithCommasIsKeptWhole) {
    const QString line = QStringLiteral("t,d,2002/06/15 1,３年２組, 999 ,x");
    const FolderIndex table = parseIndex(encodeCp932(line + QStringLiteral("\r\n")));
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table[1][ColRemark], QStringLiteral("３年２組, 999 ,x"));
    EXPECT_EQ(formatIndex(withoutRecord(table)), encodeCp932(line + QStringLiteral("\r\n")));
}

TEST(IndexLines, BlanksAreKept) {
    const FolderIndex table = parseIndex(" a , b ,, \r\n");
    ASSERT_EQ(table.count(), 1);
    EXPECT_EQ(table[1][ColTitle], QStringLiteral(" a "));
    EXPECT_EQ(table[1][ColDirectory], QStringLiteral(" b "));
    EXPECT_EQ(table[1][ColRemark], QStringLiteral(" "));
}

QByteArray rowLine(int i) {
    return QStringLiteral("t%1,IMG_%2_t%1,2002/06/15 %1,")
        .arg(i)
        .arg(i, 4, 10, QChar(u'0'))
        .toLatin1();
}

QByteArray fileOf(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Index files that the reader takes only in part, and what it makes of them.
struct DamagedIndex {
    const char* name;
    QList<QByteArray> lines;
    int rows;            // rows taken into the table
    QString titleOfRow3; // the third row taken
};

class PartlyReadIndex : public ::testing::TestWithParam<DamagedIndex> {};

TEST_P(PartlyReadIndex, UnchangedTableWritesTheFileBackByteForByte) {
    const DamagedIndex& damaged = GetParam();
    const FolderIndex table = parseIndex(fileOf(damaged.lines));
    ASSERT_EQ(table.count(), damaged.rows);
    EXPECT_EQ(table[3][ColTitle], damaged.titleOfRow3);
    EXPECT_EQ(formatIndex(table), fileOf(damaged.lines));
}

TEST_P(PartlyReadIndex, RemovingARowKeepsEveryOtherLineInItsPlace) {
    const DamagedIndex& damaged = GetParam();
    for (int removed = 1; removed <= 4; ++removed) {
        FolderIndex table = parseIndex(fileOf(damaged.lines));
        const QByteArray removedLine = table.source().rows[removed - 1].bytes[ColTitle];
        table.removeRow(removed);

        QList<QByteArray> expected = damaged.lines;
        expected.removeIf(
            [&](const QByteArray& line) { return line.startsWith(removedLine + ','); });
        ASSERT_EQ(expected.size(), damaged.lines.size() - 1) << damaged.name;
        EXPECT_EQ(formatIndex(table), fileOf(expected)) << "row " << removed;
    }
}

TEST_P(PartlyReadIndex, AnAddedRowFollowsTheLastRowRead) {
    const DamagedIndex& damaged = GetParam();
    FolderIndex table = parseIndex(fileOf(damaged.lines));
    QList<QByteArray> expected = damaged.lines;
    // A full table makes room by losing its last row; the lines below stay.
    if (table.count() == MaxFolderRows) {
        expected.removeOne(rowLine(MaxFolderRows));
        table.removeRow(table.count());
    }
    const IndexSource& source = table.source();
    const qsizetype after = expected.indexOf(
        source.rows.last().bytes[ColTitle] + ',' + source.rows.last().bytes[ColDirectory] + ',' +
        source.rows.last().bytes[ColDateCount] + ',' + source.rows.last().bytes[ColRemark]);
    ASSERT_GE(after, 0);
    ASSERT_TRUE(table.addRow({QStringLiteral("2002/06/15 0"),
                              QStringLiteral("new"),
                              QStringLiteral("IMG_9999_new"),
                              {}}));
    expected.insert(after + 1, "new,IMG_9999_new,2002/06/15 0,");
    EXPECT_EQ(formatIndex(table), fileOf(expected));
}

TEST_P(PartlyReadIndex, ChangedFieldsAreWrittenAndTheOthersKeepTheirBytes) {
    const DamagedIndex& damaged = GetParam();
    FolderIndex table = parseIndex(fileOf(damaged.lines));
    table.editRowAt(2, [](FolderRow& row) { row[ColDateCount] = QStringLiteral("2002/07/01 9"); });
    table.editRowAt(3, [](FolderRow& row) { row[ColTitle] = QStringLiteral("えんそく"); });
    const QList<QByteArray> written = splitTextLines(formatIndex(table));
    ASSERT_EQ(written.size(), damaged.lines.size());
    int changed = 0;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written[i] == damaged.lines[i])
            continue;
        ++changed;
        const QList<QByteArray> was = damaged.lines[i].split(',');
        const QList<QByteArray> is = written[i].split(',');
        EXPECT_TRUE((is[0] == was[0] && is[2] == "2002/07/01 9") ||
                    (is[0] == encodeCp932(QStringLiteral("えんそく")) && is[2] == was[2]))
            << written[i].constData();
        EXPECT_EQ(is[1], was[1]);
    }
    EXPECT_EQ(changed, 2);
}

QList<QByteArray> rowLines(int count) {
    QList<QByteArray> lines;
    for (int i = 1; i <= count; ++i)
        lines << rowLine(i);
    return lines;
}

DamagedIndex malformedLineThree() {
    QList<QByteArray> lines = rowLines(10);
    lines[2] = "t3 lost its commas";
    return {"MalformedLineThreeOfTen", lines, 9, QStringLiteral("t4")};
}

DamagedIndex thousandAndThreeRows() {
    QList<QByteArray> lines = rowLines(1003);
    lines[1001] = "t1002 without commas";
    return {"ThousandAndThreeRows", lines, MaxFolderRows, QStringLiteral("t3")};
}

DamagedIndex undecodableByteInRowTwo() {
    QList<QByteArray> lines = rowLines(10);
    lines[1] = "t2\xFF\x82,IMG_0002_t2\xFD,2002/06/15 2,remark\x81";
    lines.insert(5, QByteArray());
    return {"UndecodableBytesInRowTwo", lines, 10, QStringLiteral("t3")};
}

INSTANTIATE_TEST_SUITE_P(IndexLines, PartlyReadIndex,
                         ::testing::Values(malformedLineThree(), thousandAndThreeRows(),
                                           undecodableByteInRowTwo()),
                         [](const auto& info) { return std::string(info.param.name); });

// A lone CR or LF inside a CR LF file's line stays in it unless a row follows; a file
// with LF ends only still reads line by line.
TEST(IndexLines, LineEnds) {
    const struct {
        QByteArray bytes;
        QList<QByteArray> lines;
    } cases[] = {
        {"", {}},
        {"a,b,c,\r\n", {"a,b,c,"}},
        {"a,b\rx,c,\r\nd,e\nf,g,\r\n", {"a,b\rx,c,", "d,e\nf,g,"}},
        {"a,b,c,\nd,e,f,\n", {"a,b,c,", "d,e,f,"}},
        {"a,b,c,\nd,e,f,", {"a,b,c,", "d,e,f,"}},
        {"a,b,c,\r\n\r\n", {"a,b,c,", ""}},
        {"a\rb\nc\r\n", {"a\rb\nc"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitTextLines(c.bytes), c.lines) << c.bytes.toPercentEncoding().constData();

    const FolderIndex split = parseIndex("a,b\rx,c,\r\nd,e\nf,g,\r\n");
    ASSERT_EQ(split.count(), 2);
    EXPECT_EQ(split[1][ColDirectory], QStringLiteral("b\rx"));
    EXPECT_EQ(split[2][ColDirectory], QStringLiteral("e\nf"));
    EXPECT_EQ(parseIndex("a,b,c,\nd,e,f,\n").count(), 2);
    const QByteArray b = "b,IMG_0002_b,2002/06/15 2,\r\n";
    FolderIndex table = parseIndex("a,IMG_0001_a,2002/06/15 1,x\ny\r" + b);
    ASSERT_EQ(table.count(), 2);
    table.editRowAt(1, [](FolderRow& row) { row[ColTitle] = QStringLiteral("z"); });
    EXPECT_EQ(formatIndex(table), "z,IMG_0001_a,2002/06/15 1,x\ny\r\n" + b);
    table.removeRow(1);
    EXPECT_EQ(formatIndex(table), b);
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
    QByteArray fileBytes() const {
        QFile file(indexHostPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFileBytes(const QByteArray& bytes) const {
        QFile file(indexHostPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(IndexFileOnDisk, WritesCodePage932WithCrLfAndReadsItBack) {
    FolderIndex table;
    table.addRow({QStringLiteral("2002/06/15 3"), QStringLiteral("えんそく～"),
                  QStringLiteral("IMG_0001_えんそく～"), QString()});
    table.addRow({QStringLiteral("2002/06/16 0"), QStringLiteral("ﾃﾞｰﾀ"),
                  QStringLiteral("IMG_0002_ﾃﾞｰﾀ"), QStringLiteral("r,1")});
    ASSERT_EQ(writeIndex(rig.files, classFolder, table), IndexWrite::Written);

    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 2);
    EXPECT_TRUE(bytes.contains(encodeCp932(QStringLiteral("えんそく～"))));

    const FolderIndex readBack = readIndex(rig.files, indexPathOf(classFolder));
    ASSERT_EQ(readBack.count(), 2);
    EXPECT_EQ(readBack[1], table[1]);
    EXPECT_EQ(readBack[2], table[2]);
    EXPECT_FALSE(readBack.unreadable());
}

TEST_F(IndexFileOnDisk, EmptyTableWritesAnEmptyFile) {
    ASSERT_EQ(writeIndex(rig.files, classFolder, FolderIndex()), IndexWrite::Written);
    EXPECT_EQ(QFile(indexHostPath()).size(), 0);
}

TEST_F(IndexFileOnDisk, ExtraEmptyLastLineIsKeptAndAMissingFileIsEmpty) {
    const QByteArray bytes("a,IMG_0001_a,2002/06/15 1,\r\nb,IMG_0002_b,2002/06/15 2,\r\n\r\n");
    writeFileBytes(bytes);
    const FolderIndex table = readIndex(rig.files, indexPathOf(classFolder));
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(formatIndex(table), bytes);

    const FolderIndex missing = readIndex(rig.files, QStringLiteral("C:\\nowhere\\IMGMAIN.TXT"));
    EXPECT_EQ(missing.count(), 0);
    EXPECT_FALSE(missing.unreadable());
    EXPECT_EQ(writeIndex(rig.files, QStringLiteral("C:\\A_IMAGE"), missing), IndexWrite::Written);
}

// An index that is there but cannot be read gives no rows and is never
// written over. Running as root, a folder in its place stands for a file
// that may not be read.
TEST_F(IndexFileOnDisk, AnUnreadableIndexIsNeverWrittenOver) {
    writeFileBytes("a,IMG_0001_a,2002/06/15 1,\r\n");
    QFile::setPermissions(indexHostPath(), {});
    const bool permissionsHold = !QFile(indexHostPath()).open(QIODevice::ReadOnly);
    const QString folderInPlace = QStringLiteral("C:\\A_IMAGE\\BLOCKED");
    ASSERT_TRUE(rig.files.makeDirectory(folderInPlace));
    ASSERT_TRUE(rig.files.makeDirectory(folderInPlace + QStringLiteral("\\IMGMAIN.TXT")));

    for (const QString& folder : {classFolder, folderInPlace}) {
        if (folder == classFolder && !permissionsHold)
            continue;
        const FolderIndex table = readIndex(rig.files, indexPathOf(folder));
        EXPECT_EQ(table.count(), 0);
        EXPECT_TRUE(table.unreadable());
        EXPECT_EQ(writeIndex(rig.files, folder, table), IndexWrite::Unreadable);
    }
    QFile::setPermissions(indexHostPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(fileBytes(), QByteArray("a,IMG_0001_a,2002/06/15 1,\r\n"));
    EXPECT_TRUE(QFileInfo(rig.host(folderInPlace + QStringLiteral("\\IMGMAIN.TXT"))).isDir());
}

TEST_F(IndexFileOnDisk, FailedWriteLeavesTheOldIndexWhole) {
    FolderIndex table;
    table.addRow(
        {QStringLiteral("2002/06/15 3"), QStringLiteral("a"), QStringLiteral("IMG_0001_a"), {}});
    ASSERT_EQ(writeIndex(rig.files, classFolder, table), IndexWrite::Written);
    const QByteArray before = fileBytes();
    // A class folder that is a file cannot take the new index.
    const QString blocked = QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMGMAIN.TXT");
    EXPECT_EQ(writeIndex(rig.files, blocked, table), IndexWrite::Failed);
    EXPECT_EQ(fileBytes(), before);
}

} // namespace
