// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/delete_folder.h"
#include "core/files/cp932_text.h"
#include "support_library/import_rig.h"

#include <gtest/gtest.h>

// Every row of an index that was read only in part survives the commands that
// rewrite it: a count correction on opening the class, an import and a
// folder deletion.

namespace {

QByteArray fileOf(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// Row 1 holds two photos and says so; the other rows' folders are missing
// and say 0, so opening them changes nothing.
QList<QByteArray> rows(int count) {
    QList<QByteArray> lines{"t1,IMG_0001_t1,2002/06/15 2,"};
    for (int i = 2; i <= count; ++i)
        lines << QStringLiteral("t%1,IMG_%2_t%1,2002/06/15 0,")
                     .arg(i)
                     .arg(i, 4, 10, QChar(u'0'))
                     .toLatin1();
    return lines;
}

struct Damage {
    const char* name;
    QList<QByteArray> lines;
};

Damage malformedLineThree() {
    QList<QByteArray> lines = rows(10);
    lines[2] = "t3 lost its commas";
    return {"MalformedLineThreeOfTen", lines};
}

Damage thousandAndThreeRows() {
    return {"ThousandAndThreeRows", rows(1003)};
}

Damage undecodableBytesInRowTwo() {
    QList<QByteArray> lines = rows(10);
    lines[1] = "t2\xFF\x82,IMG_0002_t2\xFD,2002/06/15 0,remark\x81";
    return {"UndecodableBytesInRowTwo", lines};
}

class DamagedIndexSurvives : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override {
        rig.writeIndexBytes(fileOf(GetParam().lines));
        rig.makePhotos(rig.folderPath(QStringLiteral("IMG_0001_t1")), 2, {32, 24});
    }
    QList<QByteArray> linesOnDisk() const { return splitTextLines(rig.readIndexBytes()); }

    ImportRig rig;
};

TEST_P(DamagedIndexSurvives, CountCorrection) {
    rig.makePhotos(rig.folderPath(QStringLiteral("IMG_0001_t1")), 3, {32, 24});
    rig.openClassFolder();
    QList<QByteArray> expected = GetParam().lines;
    expected[0] = "t1,IMG_0001_t1,2002/06/15 3,";
    EXPECT_EQ(linesOnDisk(), expected);
}

TEST_P(DamagedIndexSurvives, Import) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.openClassFolder();
    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("new"));

    const QList<QByteArray> lines = linesOnDisk();
    if (rig.state.openClass.FolderTable.count() == MaxFolderRows) {
        EXPECT_EQ(rig.messages.shown,
                  QStringList{QStringLiteral("これいじょうフォルダをつくれません。")});
        EXPECT_EQ(lines, GetParam().lines);
        return;
    }
    ASSERT_EQ(lines.size(), GetParam().lines.size() + 1);
    EXPECT_EQ(lines.first(lines.size() - 1), GetParam().lines);
    EXPECT_TRUE(lines.last().startsWith("new,IMG_")) << lines.last().constData();
    EXPECT_TRUE(lines.last().endsWith(",2002/06/15 1,")) << lines.last().constData();
}

TEST_P(DamagedIndexSurvives, Delete) {
    rig.openClassFolder();
    rig.messages.answers = {true};
    deleteOpenFolder(rig.program);

    EXPECT_FALSE(rig.files.exists(rig.folderPath(QStringLiteral("IMG_0001_t1"))));
    EXPECT_EQ(linesOnDisk(), GetParam().lines.sliced(1));
}

INSTANTIATE_TEST_SUITE_P(ReadInPart, DamagedIndexSurvives,
                         ::testing::Values(malformedLineThree(), thousandAndThreeRows(),
                                           undecodableBytesInRowTwo()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
