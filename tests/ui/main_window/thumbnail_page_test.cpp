// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/browsing.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/library/load_folder.h"
#include "support/circle_photo.h"
#include "support/test_data.h"
#include "support_library/library_fixture.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/picture_box.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor PanelBackground(255, 255, 192);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);

class ThumbnailPage : public ::testing::Test {
protected:
    explicit ThumbnailPage(int screenWidth = 1024) : rig(screenWidth) {}

    void openPhotos(int count, QSize size = {320, 240}) {
        const QString folder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
        rig.makePhotos(folder, count, size);
        rig.state.folder.PhotoFolder = folder;
        loadFolder(rig.program);
    }
    // The photo number whose colour fills the picture of a cell, 0 for none.
    // Photos are numbered in the folder's listing order, not by file name.
    int photoShownIn(const ThumbCell& cell, int candidates) const {
        const QColor shown = rig.panelColourAt(cell.picture().center());
        for (int n = 1; n <= candidates; ++n) {
            if (nearColour(shown, LibraryRig::photoColour(rig.photoFileNumber(n))))
                return n;
        }
        return 0;
    }

    LibraryRig rig;
};

TEST_F(ThumbnailPage, LargeGridDrawsTwentyFiveCellsInOrder) {
    openPhotos(30);
    EXPECT_EQ(rig.state.folder.PhotoCount, 30);
    for (int index = 0; index < 25; ++index) {
        const ThumbCell cell = thumbCell(true, index % 5, index / 5, {});
        EXPECT_EQ(photoShownIn(cell, 30), index + 1) << index;
        EXPECT_EQ(rig.panelColourAt(cell.captionBar().topRight() + QPoint(-2, 2)), Yellow);
    }
    EXPECT_EQ(rig.panelColourAt({158, 171}), Qt::black); // the frame's corner
    EXPECT_EQ(rig.panelColourAt({300, 174}), Yellow);
    EXPECT_EQ(rig.state.folder.ImageWidth, 320);
    EXPECT_EQ(rig.state.folder.ImageHeight, 240);
    EXPECT_TRUE(rig.form->waitNotice->isHidden());
}

TEST_F(ThumbnailPage, TitleBoxShowsTheFolderTitle) {
    rig.state.folder.FolderTitle = QStringLiteral("えんそく");
    openPhotos(1);
    // (390, 4), 220 x 28: the outline's far corner is (610, 32).
    EXPECT_EQ(rig.panelColourAt({390, 4}), Qt::black);
    EXPECT_EQ(rig.panelColourAt({610, 32}), Qt::black);
    EXPECT_EQ(rig.panelColourAt({610, 20}), Qt::black);
    EXPECT_EQ(rig.panelColourAt({500, 32}), Qt::black);
    EXPECT_EQ(rig.panelColourAt({609, 31}), Qt::white);
    EXPECT_EQ(rig.panelColourAt({611, 20}), PanelBackground);
    const QImage title = rig.form->thumbnailPanel->image().copy(QRect(398, 10, 60, 18));
    bool hasInk = false;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            hasInk |= title.pixelColor(x, y) != Qt::white;
    EXPECT_TRUE(hasInk);
}

TEST_F(ThumbnailPage, ScrollRangeAndPageCorrection) {
    openPhotos(30);
    EXPECT_EQ(rig.form->thumbnailScroll->maximum(), 10);
    rig.form->thumbnailScroll->setValue(10);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, 5);
    EXPECT_EQ(photoShownIn(thumbCell(true, 0, 0, {}), 30), 26);
    EXPECT_EQ(photoShownIn(thumbCell(true, 4, 0, {}), 30), 30);
    EXPECT_EQ(rig.panelColourAt(thumbCell(true, 0, 1, {}).picture().center()), PanelBackground);
    EXPECT_EQ(rig.form->thumbnailScroll->value(), 10);
}

TEST_F(ThumbnailPage, ScrollMaximumIsCountOverThreeRoundedHalfEven) {
    for (const auto& [count, maximum] : {std::pair{10, 3}, {11, 4}, {7, 2}, {0, 0}}) {
        rig.state.folder.PhotoFolder = rig.classFolder + QStringLiteral("\\F%1").arg(count);
        rig.makePhotos(rig.state.folder.PhotoFolder, count, {32, 24});
        loadFolder(rig.program);
        EXPECT_EQ(rig.form->thumbnailScroll->maximum(), maximum) << count;
    }
}

TEST_F(ThumbnailPage, MarkedPhotosHaveBlueBars) {
    rig.state.folder.PhotoMarks[3] = 1;
    openPhotos(4);
    EXPECT_EQ(rig.panelColourAt(thumbCell(true, 2, 0, {}).captionBar().topRight() + QPoint(-1, 1)),
              Blue);
    EXPECT_EQ(rig.panelColourAt(thumbCell(true, 3, 0, {}).captionBar().topRight() + QPoint(-1, 1)),
              Yellow);
}

TEST_F(ThumbnailPage, EmptyFolderShowsOnlyBackgroundAndTitle) {
    rig.state.folder.ThumbTopRow = 3;
    openPhotos(0);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, 3);
    EXPECT_EQ(rig.panelColourAt({200, 200}), PanelBackground);
    EXPECT_EQ(rig.panelColourAt({400, 20}), Qt::white);
    EXPECT_TRUE(rig.form->waitNotice->isHidden());
}

TEST_F(ThumbnailPage, UndecodableFilesKeepTheirCaptionAndLeaveTheSizeAlone) {
    const QString folder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
    rig.makePhotos(folder, 1, {64, 48});
    QFile junk(rig.host(folder) + QStringLiteral("/P002.JPG"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    QFile(rig.host(folder) + QStringLiteral("/P003.jpeg")).open(QIODevice::WriteOnly);
    rig.state.folder.PhotoFolder = folder;
    loadFolder(rig.program);
    ASSERT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(rig.state.folder.ImageWidth, 64);
    EXPECT_EQ(rig.state.folder.ImageHeight, 48);
    int drawnPictures = 0;
    for (int index = 0; index < 3; ++index) {
        const ThumbCell cell = thumbCell(true, index, 0, {});
        EXPECT_EQ(rig.panelColourAt(cell.captionBar().topRight() + QPoint(-1, 1)), Yellow);
        drawnPictures += rig.panelColourAt(cell.picture().center()) != PanelBackground;
    }
    EXPECT_EQ(drawnPictures, 3); // two of them the sign of a photo that cannot be shown
}

TEST_F(ThumbnailPage, MarksSurviveScrolling) {
    openPhotos(30);
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {160, 180}); // photo 7
    ASSERT_EQ(rig.state.folder.PhotoMarks[7], 1);
    rig.form->thumbnailScroll->setValue(1);
    // Photo 7 is now in the first row, third column.
    EXPECT_EQ(rig.panelColourAt(thumbCell(true, 1, 0, {}).captionBar().topRight() + QPoint(-1, 1)),
              Blue);
    EXPECT_EQ(photoShownIn(thumbCell(true, 1, 0, {}), 30), 7);
}

// Where the scroll bar's thumb lies now.
QRect thumbOf(const QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                       &bar);
}

TEST_F(ThumbnailPage, DraggingTheThumbRedrawsOnlyWhereItIsLetGo) {
    openPhotos(30);
    QScrollBar& bar = *rig.form->thumbnailScroll;
    const QPoint grip = thumbOf(bar).center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&bar, grip + QPoint(0, 150));
    QTest::mouseMove(&bar, grip + QPoint(0, 300));
    EXPECT_GT(bar.sliderPosition(), 0);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, 0);
    EXPECT_EQ(photoShownIn(thumbCell(true, 0, 0, {}), 30), 1);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, grip + QPoint(0, 300));
    ASSERT_GT(bar.value(), 0);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, std::min(bar.value(), 5));
    EXPECT_EQ(photoShownIn(thumbCell(true, 0, 0, {}), 30), rig.state.folder.ThumbTopRow * 5 + 1);
}

// A click in the track below the thumb turns one page of rows.
class ScrollTrack : public ::testing::TestWithParam<int> {};

TEST_P(ScrollTrack, AClickMovesOnePageOfRows) {
    LibraryRig rig(GetParam());
    rig.state.folder.PhotoFolder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
    rig.makePhotos(rig.state.folder.PhotoFolder, 60, {64, 48});
    loadFolder(rig.program);
    QScrollBar& bar = *rig.form->thumbnailScroll;
    const QRect thumb = thumbOf(bar);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, {thumb.center().x(), thumb.bottom() + 20});
    const int rows = GetParam() > 999 ? 5 : 4;
    EXPECT_EQ(bar.value(), rows);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, rows);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ScrollTrack, ::testing::Values(1024, 800));

class SmallThumbnailPage : public ThumbnailPage {
protected:
    SmallThumbnailPage() : ThumbnailPage(800) {}
};

TEST_F(SmallThumbnailPage, FourByFourWithRowsFromTheProportions) {
    openPhotos(20, {640, 480});
    const int rowTops[] = {40, 162, 283, 404};
    for (int index = 0; index < 16; ++index) {
        const ThumbCell cell = thumbCell(false, index % 4, index / 4, {640, 480});
        EXPECT_EQ(cell.y, rowTops[index / 4]);
        EXPECT_EQ(photoShownIn(cell, 20), index + 1) << index;
    }
    EXPECT_EQ(rig.panelColourAt({300, 4}), Qt::black);
    EXPECT_EQ(rig.form->thumbnailScroll->maximum(), 7);
}

// A portrait photo keeps its proportions inside the box of a landscape one, on
// either grid, with the panel's colour beside it.
TEST(PortraitThumbnail, StaysRoundInsideItsBox) {
    for (const int screenWidth : {1024, 800}) {
        LibraryRig rig(screenWidth);
        rig.state.folder.PhotoFolder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
        rig.files.makeDirectory(rig.state.folder.PhotoFolder);
        ASSERT_TRUE(writeCirclePhoto(
            rig.host(rig.state.folder.PhotoFolder + QStringLiteral("\\P.JPG")), {600, 800}));
        loadFolder(rig.program);
        const QRect box = thumbCell(screenWidth > 999, 0, 0, {}).picture();
        const QImage page = rig.form->thumbnailPanel->image();
        EXPECT_TRUE(discIsRound(page, box)) << screenWidth;
        EXPECT_EQ(page.pixelColor(box.topLeft()), PanelBackground) << screenWidth;
    }
}

// Cell (1, 1) of a page of 640 x 480 photos, from the numbers of the page
// layout: cell left x, caption top y, thumbnail W x H, frame W + 1 wide and
// 127 (large) or H + 19 (small) high, all boxes drawn with both edges.
struct CellLayout {
    int screenWidth;
    int x, y, w, h, frameHeight;
};

class CellFrame : public ::testing::TestWithParam<CellLayout> {
protected:
    CellFrame() : rig(GetParam().screenWidth) {
        rig.state.folder.PhotoFolder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
        rig.makePhotos(rig.state.folder.PhotoFolder, 12, {640, 480});
        loadFolder(rig.program);
    }
    QImage pictureOf(const CellLayout& cell) const {
        return rig.form->thumbnailPanel->image().copy(cell.x + 5, cell.y + 18, cell.w, cell.h);
    }
    LibraryRig rig;
};

TEST_P(CellFrame, FrameAndBarSurroundThePictureWhichMarkingLeavesAlone) {
    const CellLayout& cell = GetParam();
    const int number = rig.state.screen.ThumbColumns + 2;
    const QColor photo = LibraryRig::photoColour(rig.photoFileNumber(number));
    const int left = cell.x + 4, top = cell.y - 1;
    const int right = left + cell.w + 1, bottom = top + cell.frameHeight;
    auto check = [&](const char* when) {
        for (int x = left; x <= right; ++x) {
            ASSERT_EQ(rig.panelColourAt({x, top}), Qt::black) << when << x;
            ASSERT_EQ(rig.panelColourAt({x, bottom}), Qt::black) << when << x;
        }
        for (int y = top; y <= bottom; ++y) {
            ASSERT_EQ(rig.panelColourAt({left, y}), Qt::black) << when << y;
            ASSERT_EQ(rig.panelColourAt({right, y}), Qt::black) << when << y;
        }
        // The bar (W wide, 18 high from the top) meets the picture's first
        // row; right of the caption text nothing covers its last row.
        for (int x = cell.x + 45; x < cell.x + 5 + cell.w; ++x)
            ASSERT_EQ(rig.panelColourAt({x, cell.y + 17}), Yellow) << when << x;
        const QImage picture = pictureOf(cell);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ASSERT_TRUE(nearColour(picture.pixelColor(x, y), photo)) << when << x << "," << y;
    };
    check("drawn ");
    const QImage page = rig.form->thumbnailPanel->image();
    toggleMarkOrPickToClip(rig.program, Qt::LeftButton, {10, 50});
    ASSERT_EQ(rig.state.folder.PhotoMarks[1], 1);
    check("marked ");
    // No picture of the page changed.
    for (int index = 0; index < 12; ++index) {
        const ThumbCell other =
            thumbCell(cell.screenWidth > 999, index % rig.state.screen.ThumbColumns,
                      index / rig.state.screen.ThumbColumns, {640, 480});
        EXPECT_EQ(rig.form->thumbnailPanel->image().copy(other.picture()),
                  page.copy(other.picture()))
            << index;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, CellFrame,
                         ::testing::Values(CellLayout{1024, 154, 172, 144, 108, 127},
                                           CellLayout{800, 140, 162, 130, 98, 117}),
                         [](const auto& info) {
                             return info.param.screenWidth > 999 ? "Large" : "Small";
                         });

class RealPhotoPage : public ThumbnailPage {};

TEST_F(RealPhotoPage, OrientedAndBrokenFilesDrawAndTheFolderCompletes) {
    REQUIRE_SHARED_TESTDATA();
    const QString drive = QStringLiteral("Z:") +
                          sharedTestData(QStringLiteral("jpeg/orientation")).replace(u'/', u'\\');
    rig.state.folder.PhotoFolder = drive;
    loadFolder(rig.program);
    EXPECT_GT(rig.state.folder.PhotoCount, 20);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, 0);

    rig.state.folder.PhotoFolder =
        QStringLiteral("Z:") + sharedTestData(QStringLiteral("jpeg/broken")).replace(u'/', u'\\');
    for (int row = 0; row < 10; ++row) {
        loadFolder(rig.program);
        rig.form->thumbnailScroll->setValue(row);
    }
    EXPECT_GT(rig.state.folder.PhotoCount, 20);
    EXPECT_TRUE(rig.form->waitNotice->isHidden());
}

class BackgroundPages : public ThumbnailPage {
protected:
    QString makeFolder(const QString& name, int count, int firstColour) {
        const QString folder = rig.classFolder + u'\\' + name;
        rig.makePhotos(folder, count, {1600, 1200}, firstColour);
        return folder;
    }
    void open(const QString& folder) {
        rig.state.folder.PhotoFolder = folder;
        rig.state.folder.ThumbTopRow = 0;
        loadFolder(rig.program);
    }
};

TEST_F(BackgroundPages, NextAndPreviousPagesAreReadyWithoutDecoding) {
    open(makeFolder(QStringLiteral("IMG_0001_a"), 60, 1));
    ASSERT_TRUE(rig.thumbnails.waitForIdle(60000));
    EXPECT_EQ(rig.thumbnails.decodeCount(), 50);

    rig.form->thumbnailScroll->setValue(5);
    EXPECT_EQ(rig.thumbnails.decodeCount(), 50);
    EXPECT_EQ(photoShownIn(thumbCell(true, 0, 0, {}), 60), 26);
    EXPECT_EQ(photoShownIn(thumbCell(true, 4, 4, {}), 60), 50);

    // From the second page both neighbours are made: the third, then the first.
    ASSERT_TRUE(rig.thumbnails.waitForIdle(60000));
    EXPECT_EQ(rig.thumbnails.decodeCount(), 60);
    rig.form->thumbnailScroll->setValue(10);
    EXPECT_EQ(rig.thumbnails.decodeCount(), 60);
    EXPECT_EQ(photoShownIn(thumbCell(true, 4, 1, {}), 60), 60);
}

TEST_F(BackgroundPages, ChangingFolderWhileTheNextPageDecodesShowsOnlyTheNewFolder) {
    const QString first = makeFolder(QStringLiteral("IMG_0001_a"), 50, 1);
    const QString second = makeFolder(QStringLiteral("IMG_0002_b"), 4, 200);
    open(first);
    open(second);
    ASSERT_TRUE(rig.thumbnails.waitForIdle(60000));

    // The old folder's next page was dropped, not made behind the new one.
    EXPECT_LT(rig.thumbnails.decodeCount(), 25 + 25 + 4);
    for (int index = 0; index < 25; ++index) {
        const QColor shown =
            rig.panelColourAt(thumbCell(true, index % 5, index / 5, {}).picture().center());
        if (index < 4)
            EXPECT_TRUE(nearColour(
                shown, LibraryRig::photoColour(200 + rig.photoFileNumber(index + 1) - 1)))
                << index;
        else
            EXPECT_EQ(shown, PanelBackground) << index;
    }
}

} // namespace
