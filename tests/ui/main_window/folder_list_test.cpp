// SPDX-License-Identifier: GPL-3.0-or-later
#include "support_library/library_fixture.h"
#include "ui/main_window/folder_list.h"
#include "ui/widgets/picture_box.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

const QColor ListBackground(255, 192, 192);
const QColor OpenRow(100, 255, 20);
const QColor OtherRow(255, 240, 255);

class FolderList : public ::testing::Test {
protected:
    explicit FolderList(int screenWidth = 1024) : rig(screenWidth) {}

    void fillTable(int count) {
        rig.state.openClass.FolderTable = FolderIndex();
        for (int i = 1; i <= count; ++i) {
            rig.state.openClass.FolderTable.addRow(
                {QStringLiteral("2002/06/15 %1").arg(i), QStringLiteral("title%1").arg(i),
                 QStringLiteral("IMG_%1_t").arg(i, 4, 10, QLatin1Char('0')), QString()});
        }
    }
    QColor at(int x, int y) const { return rig.form->folderList->image().pixelColor(x, y); }
    // The colour inside screen row i, clear of its text.
    QColor rowFill(int i) const { return at(190, 34 * i + 44); }

    LibraryRig rig;
};

TEST_F(FolderList, RowsAreThirtyFourPixelsApartWithTheOpenOneHighlighted) {
    fillTable(3);
    rig.state.openClass.CurrentFolderIndex = 2;
    rig.view.drawFolderList();
    EXPECT_EQ(rowFill(1), OtherRow);
    EXPECT_EQ(rowFill(2), OpenRow);
    EXPECT_EQ(rowFill(3), OtherRow);
    EXPECT_EQ(rowFill(4), ListBackground);
    // Outline at top 34 i + 14 and bottom 34 i + 46, left 2 and right 195.
    EXPECT_EQ(at(100, 48), Qt::black);
    EXPECT_EQ(at(100, 80), Qt::black);
    EXPECT_EQ(at(2, 60), Qt::black);
    EXPECT_EQ(at(195, 60), Qt::black);
    EXPECT_EQ(at(196, 60), ListBackground);
    EXPECT_EQ(at(100, 47), ListBackground);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("title2"));
}

TEST_F(FolderList, PageStartsAfterFolderListTop) {
    fillTable(20);
    rig.state.openClass.FolderListTop = 18;
    rig.state.openClass.CurrentFolderIndex = 19;
    rig.state.folder.FolderTitle = QStringLiteral("before");
    rig.view.drawFolderList();
    EXPECT_EQ(rowFill(1), OpenRow);
    EXPECT_EQ(rowFill(2), OtherRow);
    for (int i = 3; i <= 18; ++i)
        EXPECT_EQ(rowFill(i), ListBackground) << i;
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("title19"));
}

TEST_F(FolderList, OpenFolderOffThePageKeepsTheTitle) {
    fillTable(20);
    rig.state.openClass.CurrentFolderIndex = 20;
    rig.state.folder.FolderTitle = QStringLiteral("kept");
    rig.view.drawFolderList();
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(rowFill(i), OtherRow) << i;
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("kept"));
}

TEST_F(FolderList, NoFoldersLeavesOnlyTheBackground) {
    rig.state.folder.FolderTitle = QStringLiteral("kept");
    rig.view.drawFolderList();
    EXPECT_EQ(rowFill(1), ListBackground);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("kept"));
}

TEST_F(FolderList, CountAndDateTextsAreDrawn) {
    fillTable(1);
    rig.state.openClass.FolderTable.editRowAt(
        1, [](FolderRow& row) { row[ColRemark] = QStringLiteral("remark"); });
    rig.view.drawFolderList();
    auto inkIn = [&](QRect area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ink += at(x, y) != OtherRow;
        return ink;
    };
    EXPECT_GT(inkIn(QRect(4, 49, 60, 14)), 0);   // title
    EXPECT_GT(inkIn(QRect(170, 49, 24, 14)), 0); // count
    EXPECT_GT(inkIn(QRect(4, 65, 120, 14)), 0);  // date and remark
}

// The leftmost and rightmost columns of ink in a band of image, or {-1, -1}.
std::pair<int, int> inkColumns(const QImage& image, QRect band, const QColor& paper) {
    std::pair<int, int> span{-1, -1};
    for (int x = band.left(); x <= band.right(); ++x)
        for (int y = band.top(); y <= band.bottom(); ++y)
            if (image.pixelColor(x, y) != paper) {
                if (span.first < 0)
                    span.first = x;
                span.second = x;
            }
    return span;
}

// Counts of one and two digits stand at x = 170 with their leading blanks;
// longer ones end inside the row box (right edge 195), whole.
TEST_F(FolderList, EveryCountUpToFiveDigitsIsWholeInsideTheRow) {
    const std::pair<QString, QString> counts[] = {
        {QStringLiteral("7"), QStringLiteral("  7")},
        {QStringLiteral("12"), QStringLiteral(" 12")},
        {QStringLiteral("100"), QStringLiteral(" 100")},
        {QStringLiteral("1000"), QStringLiteral(" 1000")},
        {QStringLiteral("99999"), QStringLiteral(" 99999")}};
    for (const auto& [count, shown] : counts) {
        rig.state.openClass.FolderTable = FolderIndex();
        rig.state.openClass.FolderTable.addRow(
            {QStringLiteral("2002/06/15 ") + count, QString(), QString(), QString()});
        rig.view.drawFolderList();
        const QRect line(3, 49, 192, 15); // inside the border, the first text line
        const std::pair<int, int> drawn = inkColumns(rig.form->folderList->image(), line, OtherRow);

        PictureBox alone;
        alone.resize(300, 40);
        alone.setBackColor(OtherRow);
        alone.setTextFont(rig.form->folderList->textFont());
        alone.setCurrentPos({0, 0});
        alone.print(shown);
        const std::pair<int, int> whole = inkColumns(alone.image(), QRect(0, 0, 300, 20), OtherRow);
        ASSERT_GE(whole.first, 0);

        EXPECT_EQ(drawn.second - drawn.first, whole.second - whole.first) << count.toStdString();
        EXPECT_LE(drawn.second, 194) << count.toStdString();
        EXPECT_EQ(at(195, 55), Qt::black) << count.toStdString();
        if (count.size() <= 2) {
            EXPECT_EQ(drawn.first, 170 + whole.first) << count.toStdString();
        }
    }
}

class SmallFolderList : public FolderList {
protected:
    SmallFolderList() : FolderList(800) {}
};

TEST_F(SmallFolderList, ThirteenRows) {
    fillTable(20);
    rig.view.drawFolderList();
    EXPECT_EQ(rowFill(13), OtherRow);
    EXPECT_EQ(at(100, 34 * 14 + 20), ListBackground);
}

} // namespace
