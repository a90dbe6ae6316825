// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_wiring.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/library/load_folder.h"
#include "support/test_photos.h"
#include "support_library/library_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTransform>
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

using Placed = RecordingPrinter::Placed;

// The open folder's photos printed through the print menu onto sheets of
// 10000 x 14000 twips that the printer records.
class PrintSheets : public ::testing::Test {
protected:
    PrintSheets() {
        rig.printer.sheetTwips = {10000, 14000};
        connectPrintCommands(rig.program, *rig.form);
    }

    // count photos of solid, numbered colours become the open folder's photos.
    void makePhotos(int count, QSize size = {32, 24}) {
        usePhotos(rig.makePhotos(folder, count, size));
    }
    void usePhotos(const QStringList& paths) {
        for (int i = 0; i < paths.size(); ++i)
            rig.state.folder.PhotoPaths[i + 1] = paths[i];
        rig.state.folder.PhotoCount = int(paths.size());
    }
    void mark(std::initializer_list<int> photos) {
        for (int p : photos)
            rig.state.folder.PhotoMarks[p] = 1;
    }
    void markAll() {
        for (int p = 1; p <= rig.state.folder.PhotoCount; ++p)
            rig.state.folder.PhotoMarks[p] = 1;
    }
    void print(QAction* item, bool answer = true) {
        rig.messages.answers = {answer};
        item->trigger();
    }
    // The photo whose colour a printed picture shows, 0 when none.
    int photoShown(const Placed& placed) const {
        const QImage& picture = placed.picture;
        const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
        for (int n = 1; n <= rig.state.folder.PhotoCount; ++n)
            if (nearColour(centre, LibraryRig::photoColour(n)))
                return n;
        return 0;
    }
    std::vector<int> photosOn(int sheet) const {
        std::vector<int> photos;
        for (const Placed& placed : rig.printer.sheets.at(sheet))
            photos.push_back(photoShown(placed));
        return photos;
    }
    QString bitmapPath() const { return QDir(rig.root.path()).filePath("PRIMG.BMP"); }

    // A 4:3 photo (or one of size photo) as large as fits, centred, in a cell
    // given by the fractions of the sheet that the layouts give.
    static QRectF cell(double left, double top, double right, double bottom,
                       QSizeF photo = {4, 3}) {
        const QRectF box(QPointF(left * 10000, top * 14000),
                         QPointF(right * 10000, bottom * 14000));
        const QSizeF size = photo.scaled(box.size(), Qt::KeepAspectRatio);
        return {box.center() - QPointF(size.width() / 2, size.height() / 2), size};
    }

    LibraryRig rig;
    const QString folder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
};

TEST_F(PrintSheets, NinePhotosAtEightMakeTwoSheetsWithTheNinthTopLeft) {
    makePhotos(9);
    markAll();
    print(rig.form->printEightAction);

    EXPECT_EQ(rig.messages.shown,
              QStringList({QStringLiteral("しゃしんをかみに８まいずついんさつします。")}));
    ASSERT_EQ(rig.printer.sheets.size(), 2u);
    EXPECT_EQ(photosOn(0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(photosOn(1), (std::vector<int>{9}));
    const auto& first = rig.printer.sheets[0];
    EXPECT_EQ(first[0].target, cell(0.07, 0.04, 0.50, 0.25));
    EXPECT_EQ(first[3].target, cell(0.07, 0.74, 0.50, 0.96));
    EXPECT_EQ(first[4].target, cell(0.53, 0.04, 0.96, 0.25));
    EXPECT_EQ(first[7].target, cell(0.53, 0.74, 0.96, 0.96));
    EXPECT_EQ(rig.printer.sheets[1][0].target, cell(0.07, 0.04, 0.50, 0.25));

    // The sheet size is read for every photo, the sheet breaks after the
    // eighth, and the document is ended once.
    QStringList expected{"begin"};
    for (int p = 1; p <= 9; ++p) {
        if (p == 9)
            expected << "sheet";
        expected << "size"
                 << "size"
                 << "draw";
    }
    expected << "end";
    EXPECT_EQ(rig.printer.calls, expected);
}

TEST_F(PrintSheets, NineteenAtEighteenPutTheLastAloneInTheFirstCell) {
    makePhotos(19);
    markAll();
    print(rig.form->printEighteenAction);

    ASSERT_EQ(rig.printer.sheets.size(), 2u);
    EXPECT_EQ(rig.printer.sheets[0].size(), 18u);
    EXPECT_EQ(rig.printer.sheets[0][6].target, cell(0.37, 0.04, 0.66, 0.18));
    EXPECT_DOUBLE_EQ(rig.printer.sheets[0][17].target.left(), 6800 + (2900 - 1960 * 4.0 / 3) / 2);
    EXPECT_DOUBLE_EQ(rig.printer.sheets[0][17].target.top(), 11060);
    EXPECT_EQ(photosOn(1), (std::vector<int>{19}));
    EXPECT_EQ(rig.printer.sheets[1][0].target, cell(0.06, 0.04, 0.35, 0.18));
}

TEST_F(PrintSheets, OnlyMarkedPhotosArePrintedInAscendingOrder) {
    makePhotos(6);
    mark({6, 2, 5});
    print(rig.form->printTwoAction);

    ASSERT_EQ(rig.printer.sheets.size(), 2u);
    EXPECT_EQ(photosOn(0), (std::vector<int>{2, 5}));
    EXPECT_EQ(rig.printer.sheets[0][1].target, cell(0.09, 0.52, 0.95, 0.97));
    EXPECT_EQ(photosOn(1), (std::vector<int>{6}));
    EXPECT_EQ(rig.printer.sheets[1][0].target, cell(0.09, 0.04, 0.95, 0.49));
}

TEST_F(PrintSheets, OnePerSheetTurnsLandscapePhotosToTheLeft) {
    const QString landscape = folder + QStringLiteral("\\L.JPG");
    const QString portrait = folder + QStringLiteral("\\P.JPG");
    rig.files.makeDirectory(folder);
    ASSERT_TRUE(writeTestJpeg(rig.host(landscape), {64, 48}));
    ASSERT_TRUE(writeTestJpeg(rig.host(portrait), {48, 64}));
    usePhotos({landscape, portrait});
    markAll();
    print(rig.form->printOneAction);

    ASSERT_EQ(rig.printer.sheets.size(), 2u);
    const std::array<QSize, 2> turnedSizes{QSize(48, 64), QSize(48, 64)};
    for (int s = 0; s < 2; ++s) {
        ASSERT_EQ(rig.printer.sheets[s].size(), 1u);
        const Placed& placed = rig.printer.sheets[s][0];
        EXPECT_EQ(placed.picture.size(), turnedSizes[s]);
        EXPECT_TRUE(showsTestPicture(placed.picture.transformed(QTransform().rotate(90 - 90 * s))));
        EXPECT_EQ(placed.target, cell(0.09, 0.05, 0.93, 0.95, {3, 4}));
    }
}

TEST_F(PrintSheets, MoreThanAHundredMarkedPhotosAreAllPrinted) {
    makePhotos(120, {8, 6});
    markAll();
    print(rig.form->printEighteenAction);

    ASSERT_EQ(rig.printer.sheets.size(), 7u);
    size_t printed = 0;
    for (const auto& sheet : rig.printer.sheets)
        printed += sheet.size();
    EXPECT_EQ(printed, 120u);
    EXPECT_EQ(rig.printer.sheets[6].size(), 12u);
}

TEST_F(PrintSheets, NothingMarkedOnlySaysSo) {
    makePhotos(3);
    rig.form->printEightAction->trigger();
    EXPECT_EQ(rig.messages.shown,
              QStringList({QStringLiteral("マークされたしゃしんがありません。")}));
    EXPECT_TRUE(rig.printer.calls.isEmpty());
    EXPECT_EQ(rig.messages.beeps, 0);
    EXPECT_FALSE(QFile::exists(bitmapPath()));
}

TEST_F(PrintSheets, DecliningBeepsAndTouchesNothing) {
    makePhotos(3);
    mark({2});
    print(rig.form->printEighteenAction, false);
    EXPECT_EQ(rig.messages.beeps, 1);
    EXPECT_TRUE(rig.printer.calls.isEmpty());
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 1);
    EXPECT_FALSE(QFile::exists(bitmapPath()));
}

TEST_F(PrintSheets, AfterPrintingTheBitmapIsGoneAndThePageShowsTheMarksAgain) {
    makePhotos(3);
    mark({1, 3});
    print(rig.form->printEightAction);
    EXPECT_FALSE(QFile::exists(bitmapPath()));
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 1);
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 0);
    EXPECT_EQ(rig.state.folder.PhotoMarks[3], 1);
    // Redrawing the page loaded the photos again, so the sheet size no
    // longer stands in the picture size.
    EXPECT_EQ(rig.state.folder.ImageWidth, 32);
    EXPECT_EQ(rig.state.folder.ImageHeight, 24);
}

TEST_F(PrintSheets, APhotoThatCannotBeDecodedIsSkippedAndTold) {
    makePhotos(3);
    QFile broken(rig.host(rig.state.folder.PhotoPaths[2]));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a photo");
    broken.close();
    markAll();
    print(rig.form->printEightAction);

    ASSERT_EQ(rig.printer.sheets.size(), 1u);
    EXPECT_EQ(photosOn(0), (std::vector<int>{1, 3}));
    EXPECT_EQ(rig.printer.sheets[0][1].target, cell(0.07, 0.27, 0.50, 0.48));
    EXPECT_EQ(rig.messages.shown.last(),
              QStringLiteral("いんさつできなかったしゃしんがあります。"));
    print(rig.form->printOneAction); // and no blank sheet for it
    EXPECT_EQ(rig.printer.sheets.size(), 2u);
}

// 108 megapixels: more than a whole decode may take, yet it draws and prints.
TEST_F(PrintSheets, LargePhotosAreDecodedAtTheirCellSizeOnly) {
    QImage huge(12000, 9000, QImage::Format_Grayscale8);
    huge.fill(100);
    rig.files.makeDirectory(folder);
    ASSERT_TRUE(huge.save(rig.host(folder + QStringLiteral("\\HUGE.JPG")), "JPEG", 50));
    rig.state.folder.PhotoFolder = folder;
    loadFolder(rig.program);
    EXPECT_TRUE(nearColour(rig.panelColourAt(thumbCell(true, 0, 0, {}).picture().center()),
                           QColor(100, 100, 100)));
    markAll();
    print(rig.form->printEighteenAction);
    ASSERT_EQ(rig.printer.sheets.at(0).size(), 1u);
    // Inside 0.29 x 0.14 of an A4 sheet at 300 dpi (720 x 492), in 4:3.
    EXPECT_EQ(rig.printer.sheets[0][0].picture.size(), QSize(656, 492));
}

} // namespace
