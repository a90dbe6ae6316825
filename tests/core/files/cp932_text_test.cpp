// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"
#include "support/cp932_files.h"
#include "support/test_data.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The lines of a shared vector file, without its four header lines.
QList<QByteArray> vectorLines(const QString& name) {
    QList<QByteArray> lines = readBytes(sharedTestData(QStringLiteral("sjis/") + name)).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.mid(4);
}

// Each line of stem.txt with the same line of stem_ref.txt; none where the
// two files differ in length.
QList<std::pair<QByteArray, QByteArray>> vectorPairs(const QString& stem) {
    const QList<QByteArray> input = vectorLines(stem + QStringLiteral(".txt"));
    const QList<QByteArray> expected = vectorLines(stem + QStringLiteral("_ref.txt"));
    QList<std::pair<QByteArray, QByteArray>> pairs;
    for (qsizetype i = 0; input.size() == expected.size() && i < input.size(); ++i)
        pairs.append({input[i], expected[i]});
    return pairs;
}

std::string hex(const QByteArray& bytes) {
    return bytes.toHex(' ').toStdString();
}

} // namespace

TEST(Cp932TextTest, TextsOfTheProgramRoundTrip) {
    struct Case {
        const char* text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"ﾃﾞｰﾀﾍﾞｰｽ", QByteArray("\xC3\xDE\xB0\xC0\xCD\xDE\xB0\xBD")},
        {"保存ﾄﾞﾗｲﾌﾞ(C:)", QByteArray("\x95\xDB\x91\xB6\xC4\xDE\xD7\xB2\xCC\xDE(C:)")},
        {"①", QByteArray("\x87\x40")},
        {"～", QByteArray("\x81\x60")},
        {"ⅰ", QByteArray("\xFA\x40")},
        {"C:\\A_IMAGE\\", QByteArray("C:\\A_IMAGE\\")},
        {"a\x1A"
         "b\x1C"
         "c\x7F",
         QByteArray("a\x1A"
                    "b\x1C"
                    "c\x7F")},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(hex(encodeCp932(text)), hex(c.bytes)) << c.text;
        EXPECT_EQ(decodeCp932(c.bytes), text) << c.text;
    }
}

TEST(Cp932TextTest, WindowsCodesDifferFromPlainShiftJis) {
    EXPECT_EQ(decodeCp932("\x81\x60"), QString(QChar(0xFF5E)));
    EXPECT_EQ(decodeCp932("\x81\x5F\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA"),
              QStringLiteral("＼∥－￠￡￢"));
    EXPECT_EQ(decodeCp932("\x5C\x7E"), QStringLiteral("\\~"));
    EXPECT_EQ(decodeCp932("\xED\x40\xFA\x5C"), QStringLiteral("纊纊"));
}

TEST(Cp932TextTest, InvalidBytesReadAsReplacementCharacters) {
    const QChar bad(0xFFFD);
    EXPECT_EQ(decodeCp932("a\xFF"
                          "b"),
              QStringLiteral("a") + bad + u'b');
    EXPECT_EQ(decodeCp932("\x82,x\r\n"), bad + QStringLiteral(",x\r\n"));
    EXPECT_EQ(decodeCp932("abc\x82"), QStringLiteral("abc") + bad);
    EXPECT_EQ(decodeCp932("\x82\x1A"), QString(bad) + QChar(0x1A));
    EXPECT_TRUE(decodeCp932("\x82\x40").startsWith(bad));
    EXPECT_EQ(decodeCp932("\x80\xA0\xFD"), QString(3, bad));
}

TEST(Cp932TextTest, CharactersOutsideTheCodePageAreWrittenAsQuestionMarks) {
    EXPECT_EQ(encodeCp932(QStringLiteral("é①😀x")), QByteArray("?\x87\x40?x"));
    EXPECT_FALSE(canEncodeCp932(QStringLiteral("café")));
    EXPECT_FALSE(canEncodeCp932(QStringLiteral("😀")));
    EXPECT_TRUE(canEncodeCp932(QStringLiteral("３年２組 ～ ① ﾃﾞｰﾀ")));
}

TEST(Cp932TextTest, LinesEndAtCrLfOrInAFileWithoutCrLfAtLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("IMGMAIN.TXT"));
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a\r\n", {QStringLiteral("a")}},
        {"a\r\nb", {QStringLiteral("a"), QStringLiteral("b")}},
        {"a\rb\nc\r\n", {QStringLiteral("a\rb\nc")}},
        {"a\nb\rc\n", {QStringLiteral("a"), QStringLiteral("b\rc")}},
        {"a\r\n\r\n", {QStringLiteral("a"), QString()}},
        {"\n\r", {QString(), QStringLiteral("\r")}},
        {"\x82\xA0,x\r\n", {QStringLiteral("あ,x")}},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        const auto lines = readCp932Lines(path);
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(*lines, c.lines) << hex(c.bytes);
    }
    EXPECT_FALSE(readCp932Lines(dir.filePath(QStringLiteral("MISSING.TXT"))).has_value());
    EXPECT_FALSE(readCp932Lines(dir.path()).has_value());
}

TEST(Cp932TextTest, AFileWithInvalidBytesReadsWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("IMGMAIN.TXT"));
    writeBytes(path, "\x82\xA0\xFF\x82,IMG_0001,2002/05/20 3,\r\n\xFE\r\nlast\x81");
    const auto lines = readCp932Lines(path);
    ASSERT_TRUE(lines.has_value());
    const QChar bad(0xFFFD);
    EXPECT_EQ(*lines, (QStringList{QStringLiteral("あ") + bad + bad +
                                       QStringLiteral(",IMG_0001,2002/05/20 3,"),
                                   QString(bad), QStringLiteral("last") + bad}));
}

TEST(Cp932TextTest, WritingGivesCrLfAfterEveryLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("IMGMAIN.TXT"));
    writeBytes(path, "an older and longer file\r\n");
    ASSERT_TRUE(writeCp932Lines(path, {QStringLiteral("えんそく,IMG_0001_えんそく,2002/05/20 24,"),
                                       QStringLiteral("～,IMG_0002_～,2002/06/15 0,")}));
    EXPECT_EQ(hex(readBytes(path)),
              hex("\x82\xA6\x82\xF1\x82\xBB\x82\xAD,IMG_0001_\x82\xA6\x82\xF1\x82\xBB\x82\xAD,"
                  "2002/05/20 24,\r\n\x81\x60,IMG_0002_\x81\x60,2002/06/15 0,\r\n"));
    ASSERT_TRUE(writeCp932Lines(path, {}));
    EXPECT_TRUE(readBytes(path).isEmpty());
}

TEST(Cp932TextTest, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    // Permissions do not stop root, so the failures are ones no user escapes:
    // a folder that is a regular file, and a name so long that the file
    // cannot get a temporary neighbour.
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    writeBytes(plainFile, "x");
    QString error;
    EXPECT_FALSE(
        writeCp932Lines(plainFile + QStringLiteral("/IMGMAIN.TXT"), {QStringLiteral("a")}, &error));
    EXPECT_FALSE(error.isEmpty());

    const QString longName = dir.filePath(QString(250, u'n'));
    writeBytes(longName, "old,IMG_0001,2002/05/20 1,\r\n");
    EXPECT_FALSE(writeCp932Lines(longName, {QStringLiteral("new")}));
    EXPECT_EQ(readBytes(longName), QByteArray("old,IMG_0001,2002/05/20 1,\r\n"));
}

TEST(Cp932TextTest, DecodesEveryTwoByteCodeAsWindowsDoes) {
    REQUIRE_SHARED_TESTDATA();
    const auto pairs = vectorPairs(QStringLiteral("shift_jis_in"));
    ASSERT_EQ(pairs.size(), 11280);
    int valid = 0;
    for (const auto& [input, expected] : pairs) {
        const QString want = QString::fromUtf8(expected);
        const QString got = decodeCp932(input);
        // Where the pair is invalid the reference reads an ASCII second byte
        // again; any reading with U+FFFD in it is as good.
        if (want.contains(QChar(0xFFFD))) {
            EXPECT_TRUE(got.contains(QChar(0xFFFD))) << hex(input);
        } else {
            EXPECT_EQ(got, want) << hex(input);
            ++valid;
        }
    }
    EXPECT_GT(valid, 9500);
}

TEST(Cp932TextTest, EncodesEveryCharacterAsWindowsDoes) {
    REQUIRE_SHARED_TESTDATA();
    const auto pairs = vectorPairs(QStringLiteral("shift_jis_out"));
    ASSERT_GT(pairs.size(), 7000);
    for (const auto& [input, expected] : pairs)
        EXPECT_EQ(hex(encodeCp932(QString::fromUtf8(input))), hex(expected)) << input.toStdString();
}

TEST(Cp932TextTest, FollowsTheMeasuredWindowsTable) {
    REQUIRE_SHARED_TESTDATA();
    // |0 maps both ways, |3 only when reading. The encode-only best fits (|1,
    // such as "e" for "é") are not taken: such characters are written as "?".
    // The single bytes 0x80, 0xA0 and 0xFD to 0xFF map to control and private
    // characters on Windows only; they read as U+FFFD here.
    const QRegularExpression entry(
        QStringLiteral("^<U([0-9A-F]+)> ((?:\\\\x[0-9A-F]{2})+) \\|([03])$"));
    const QByteArrayList windowsOnly{"\x80", "\xA0", "\xFD", "\xFE", "\xFF"};
    int checked = 0;
    for (const QByteArray& line :
         readBytes(sharedTestData(QStringLiteral("sjis/windows-932-2000.ucm"))).split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromLatin1(line));
        if (!match.hasMatch())
            continue;
        const char32_t code = match.captured(1).toUInt(nullptr, 16);
        const QString text = QString::fromUcs4(&code, 1);
        const QByteArray bytes =
            QByteArray::fromHex(match.captured(2).remove(QStringLiteral("\\x")).toLatin1());
        if (windowsOnly.contains(bytes))
            continue;
        EXPECT_EQ(decodeCp932(bytes), text) << line.toStdString();
        if (match.captured(3) == u"0") {
            EXPECT_EQ(hex(encodeCp932(text)), hex(bytes)) << line.toStdString();
        }
        ++checked;
    }
    EXPECT_GT(checked, 9700);
}

TEST(Cp932TextTest, DiffersFromPlainShiftJisOnlyWhereWindowsDoes) {
    REQUIRE_SHARED_TESTDATA();
    const QRegularExpression entry(QStringLiteral("^0x([0-9A-F]{2,4})\\t0x([0-9A-F]{4})"));
    QStringList differing;
    for (const QByteArray& line :
         readBytes(sharedTestData(QStringLiteral("sjis/SHIFT_JIS.TXT"))).split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromLatin1(line));
        if (!match.hasMatch())
            continue;
        const QByteArray bytes = QByteArray::fromHex(match.captured(1).toLatin1());
        const QString plain(QChar(char16_t(match.captured(2).toUInt(nullptr, 16))));
        if (decodeCp932(bytes) != plain)
            differing << match.captured(1);
    }
    EXPECT_EQ(differing,
              (QStringList{QStringLiteral("5C"), QStringLiteral("7E"), QStringLiteral("8160"),
                           QStringLiteral("8161"), QStringLiteral("817C"), QStringLiteral("8191"),
                           QStringLiteral("8192"), QStringLiteral("81CA")}));
}

TEST(Cp932TextTest, RealProseRoundTrips) {
    REQUIRE_SHARED_TESTDATA();
    const QByteArray shiftJis =
        readBytes(sharedTestData(QStringLiteral("sjis/rashomon-shift-jis.txt")));
    const QString text =
        QString::fromUtf8(readBytes(sharedTestData(QStringLiteral("sjis/rashomon-utf-8.txt"))));
    ASSERT_FALSE(shiftJis.isEmpty());
    EXPECT_EQ(decodeCp932(shiftJis), text);
    EXPECT_EQ(encodeCp932(text), shiftJis);
}

TEST(Cp932TextTest, LinuxFormsAreWrittenInTheirWindowsForm) {
    const QString linuxForms = QString::fromUtf8("〜−‖¢£¬");
    const QString windowsForms = QString::fromUtf8("～－∥￠￡￢");
    EXPECT_EQ(toWindowsForms(linuxForms), windowsForms);
    EXPECT_EQ(hex(encodeCp932(linuxForms)),
              hex(QByteArray("\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA")));
    EXPECT_EQ(decodeCp932(encodeCp932(linuxForms)), windowsForms);
    EXPECT_TRUE(canEncodeCp932(linuxForms));
    for (const char* lacking : {"caf\u00e9", "\U0001F600", "\u00a0", "\ufffd"})
        EXPECT_FALSE(canEncodeCp932(QString::fromUtf8(lacking))) << lacking;
}

// A settings file an editor saved in the other encoding is read as what it
// is, and said so.
TEST(Cp932TextTest, AFileInTheOtherEncodingIsReadAsWhatItIs) {
    const QStringList lines = {QStringLiteral("D: /srv/写真"), QStringLiteral("C:\\A_IMAGE\\")};
    const QByteArray cp932 = encodeCp932Lines(lines);
    const QByteArray utf8 = lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    const struct {
        QByteArray bytes;
        TextEncoding expected;
        bool other;
    } cases[] = {
        {cp932, TextEncoding::Cp932, false},
        {utf8, TextEncoding::Cp932, true},
        {utf8, TextEncoding::Utf8, false},
        {cp932, TextEncoding::Utf8, true},
    };
    for (const auto& c : cases) {
        bool other = !c.other;
        const QStringList read = decodeLinesExpecting(c.bytes, c.expected, &other);
        EXPECT_EQ(other, c.other) << c.bytes.toHex().toStdString();
        EXPECT_EQ(read, lines) << c.bytes.toHex().toStdString();
    }
}
