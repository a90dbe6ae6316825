#include "browser/folder_list.h"
#include "platform/picture_box.h"
#include "support_library/library_fixture.h"

#include <gtest/gtest.h>

namespace {

const QColor ListBackground(255, 192, 192);
const QColor OpenRow(100, 255, 20);
const QColor OtherRow(255, 240, 255);

class FolderList : public ::testing::Test {
protected:
    explicit FolderList(int screenWidth = 1024) : rig(screenWidth) {}

    void fillTable(int count) {
        for (int i = 1; i <= count; ++i) {
            rig.state.FolderTable[i] = {
                QStringLiteral("2002/06/15 %1").arg(i), QStringLiteral("title%1").arg(i),
                QStringLiteral("IMG_%1_t").arg(i, 4, 10, QLatin1Char('0')), QString()};
        }
        rig.state.FolderCount = count;
    }
    QColor at(int x, int y) const { return rig.form->Picture2->image().pixelColor(x, y); }
    // The colour inside screen row i, clear of its text.
    QColor rowFill(int i) const { return at(190, 34 * i + 44); }

    LibraryRig rig;
};

TEST_F(FolderList, RowsAreThirtyFourPixelsApartWithTheOpenOneHighlighted) {
    fillTable(3);
    rig.state.CurrentFolderIndex = 2;
    DrawFolderList(rig.program);
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
    EXPECT_EQ(rig.state.FolderTitle, QStringLiteral("title2"));
}

TEST_F(FolderList, PageStartsAfterFolderListTop) {
    fillTable(20);
    rig.state.FolderListTop = 18;
    rig.state.CurrentFolderIndex = 19;
    rig.state.FolderTitle = QStringLiteral("before");
    DrawFolderList(rig.program);
    EXPECT_EQ(rowFill(1), OpenRow);
    EXPECT_EQ(rowFill(2), OtherRow);
    for (int i = 3; i <= 18; ++i)
        EXPECT_EQ(rowFill(i), ListBackground) << i;
    EXPECT_EQ(rig.state.FolderTitle, QStringLiteral("title19"));
}

TEST_F(FolderList, OpenFolderOffThePageKeepsTheTitle) {
    fillTable(20);
    rig.state.CurrentFolderIndex = 20;
    rig.state.FolderTitle = QStringLiteral("kept");
    DrawFolderList(rig.program);
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(rowFill(i), OtherRow) << i;
    EXPECT_EQ(rig.state.FolderTitle, QStringLiteral("kept"));
}

TEST_F(FolderList, NoFoldersLeavesOnlyTheBackground) {
    rig.state.FolderTitle = QStringLiteral("kept");
    DrawFolderList(rig.program);
    EXPECT_EQ(rowFill(1), ListBackground);
    EXPECT_EQ(rig.state.FolderTitle, QStringLiteral("kept"));
}

TEST_F(FolderList, CountAndDateTextsAreDrawn) {
    fillTable(1);
    rig.state.FolderTable[1][ColRemark] = QStringLiteral("remark");
    DrawFolderList(rig.program);
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

class SmallFolderList : public FolderList {
protected:
    SmallFolderList() : FolderList(800) {}
};

TEST_F(SmallFolderList, ThirteenRows) {
    fillTable(20);
    DrawFolderList(rig.program);
    EXPECT_EQ(rowFill(13), OtherRow);
    EXPECT_EQ(at(100, 34 * 14 + 20), ListBackground);
}

} // namespace
