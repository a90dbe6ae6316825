// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_clicks.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QColor Back(255, 255, 192);
const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

QColor pixel(const PictureBox& box, int x, int y) {
    return box.image().pixelColor(x, y);
}

int countPixels(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

class PictureBoxTest : public ::testing::Test {
protected:
    PictureBoxTest() {
        box.resize(60, 40);
        box.setBackColor(Back);
    }
    PictureBox box;
};

TEST_F(PictureBoxTest, ImageHasTheBoxSizeInTheBackColour) {
    const QImage image = box.image();
    ASSERT_EQ(image.size(), QSize(60, 40));
    EXPECT_EQ(countPixels(image, image.rect(), Back), 60 * 40);
}

TEST_F(PictureBoxTest, FillRectCoversEveryPixelOfTheRectAndNothingElse) {
    box.fillRect(QRect(10, 5, 4, 3), Red);
    const QImage image = box.image();
    EXPECT_EQ(countPixels(image, QRect(10, 5, 4, 3), Red), 12);
    EXPECT_EQ(countPixels(image, image.rect(), Red), 12);
}

TEST_F(PictureBoxTest, FillRectBeyondTheEdgeIsClipped) {
    box.fillRect(QRect(0, 0, 900, 900), Red);
    EXPECT_EQ(countPixels(box.image(), box.image().rect(), Red), 60 * 40);
}

TEST_F(PictureBoxTest, ClearRestoresTheBackColour) {
    box.fillRect(QRect(0, 0, 10, 10), Red);
    box.clear();
    EXPECT_EQ(countPixels(box.image(), box.image().rect(), Back), 60 * 40);
}

TEST_F(PictureBoxTest, DrawBoxOutlinesTheBorderPixelsOnly) {
    const QRect rect(5, 6, 10, 7);
    box.drawBox(rect, Black);
    const QImage image = box.image();
    for (int x = rect.left(); x <= rect.right(); ++x) {
        EXPECT_EQ(image.pixelColor(x, rect.top()), Black) << x;
        EXPECT_EQ(image.pixelColor(x, rect.bottom()), Black) << x;
    }
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        EXPECT_EQ(image.pixelColor(rect.left(), y), Black) << y;
        EXPECT_EQ(image.pixelColor(rect.right(), y), Black) << y;
    }
    EXPECT_EQ(countPixels(image, image.rect(), Black), 2 * 10 + 2 * 5);
    EXPECT_EQ(countPixels(image, rect.adjusted(1, 1, -1, -1), Back), 8 * 5);
}

TEST_F(PictureBoxTest, DrawBoxAcceptsCornersInAnyOrder) {
    box.drawBox(QRect(QPoint(20, 15), QPoint(10, 5)), Black);
    EXPECT_EQ(pixel(box, 10, 5), Black);
    EXPECT_EQ(pixel(box, 20, 15), Black);
    EXPECT_EQ(countPixels(box.image(), box.image().rect(), Black), 2 * 11 + 2 * 9);
}

TEST_F(PictureBoxTest, DrawLineColoursThePixelsBetweenItsEnds) {
    box.drawLine(QPoint(2, 20), QPoint(40, 20), Red);
    EXPECT_EQ(pixel(box, 2, 20), Red);
    EXPECT_EQ(pixel(box, 21, 20), Red);
    EXPECT_EQ(pixel(box, 21, 19), Back);
    EXPECT_EQ(pixel(box, 21, 21), Back);
}

TEST_F(PictureBoxTest, XorDrawingTwiceRestoresTheDrawing) {
    box.fillRect(QRect(0, 0, 30, 40), Red);
    const QImage before = box.image();
    box.setDrawMode(PictureBox::DrawMode::Xor);
    box.drawBox(QRect(5, 5, 40, 20), Qt::white);
    EXPECT_NE(box.image(), before);
    box.drawBox(QRect(5, 5, 40, 20), Qt::white);
    EXPECT_EQ(box.image(), before);
}

TEST_F(PictureBoxTest, XorWithWhiteInvertsThePixelsBeneath) {
    box.fillRect(QRect(0, 0, 60, 40), QColor(10, 200, 30));
    box.setDrawMode(PictureBox::DrawMode::Xor);
    box.drawLine(QPoint(0, 10), QPoint(50, 10), Qt::white);
    EXPECT_EQ(pixel(box, 25, 10), QColor(245, 55, 225));
    box.setDrawMode(PictureBox::DrawMode::Copy);
    box.drawLine(QPoint(0, 12), QPoint(50, 12), Qt::white);
    EXPECT_EQ(pixel(box, 25, 12), QColor(Qt::white));
}

TEST_F(PictureBoxTest, XorTextDrawnTwiceLeavesNoTrace) {
    box.setTextFont(designFont(PGothic, 12));
    const QImage before = box.image();
    box.setDrawMode(PictureBox::DrawMode::Xor);
    box.setForeColor(Qt::white);
    box.setCurrentPos(QPoint(2, 2));
    box.print(QStringLiteral("あいう"));
    EXPECT_NE(box.image(), before);
    box.setCurrentPos(QPoint(2, 2));
    box.print(QStringLiteral("あいう"));
    EXPECT_EQ(box.image(), before);
}

TEST_F(PictureBoxTest, PrintDrawsBelowAndRightOfTheCurrentPositionAndMovesToTheNextLine) {
    box.resize(200, 60);
    box.setTextFont(designFont(PGothic, 12));
    box.setForeColor(Red);
    box.setCurrentPos(QPoint(20, 20));
    box.print(QStringLiteral("(12) えらばれました"));

    const int lineHeight = QFontMetrics(box.textFont()).height();
    EXPECT_EQ(box.currentPos(), QPoint(20, 20 + lineHeight));

    // Smoothed glyph edges may reach a pixel or two past the text's cell.
    const QImage image = box.image();
    EXPECT_GT(countPixels(image, QRect(20, 20, 180, lineHeight), Red), 20);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 200, 18), Back), 200 * 18);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 18, 60), Back), 18 * 60);
    const int below = 20 + lineHeight + 2;
    EXPECT_EQ(countPixels(image, QRect(0, below, 200, 60 - below), Back), 200 * (60 - below));
}

TEST_F(PictureBoxTest, PrintedLinesFollowEachOtherFromTheSameLeftEdge) {
    box.resize(200, 80);
    box.setTextFont(designFont(PGothic, 12));
    box.setCurrentPos(QPoint(30, 0));
    box.print(QStringLiteral("いち"));
    box.print(QStringLiteral("に"));
    const int lineHeight = QFontMetrics(box.textFont()).height();
    EXPECT_EQ(box.currentPos(), QPoint(30, 2 * lineHeight));
    const QImage image = box.image();
    EXPECT_LT(countPixels(image, QRect(28, lineHeight + 2, 40, lineHeight - 4), Back),
              40 * (lineHeight - 4));
}

TEST_F(PictureBoxTest, StretchIsAPlainPixelCopy) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixelColor(0, 0, Red);
    source.setPixelColor(1, 0, Black);
    source.setPixelColor(0, 1, Qt::white);
    source.setPixelColor(1, 1, QColor(0, 0, 255));

    box.stretchFrom(source, source.rect(), QRect(10, 10, 8, 8));
    const QImage image = box.image();
    EXPECT_EQ(countPixels(image, QRect(10, 10, 4, 4), Red), 16);
    EXPECT_EQ(countPixels(image, QRect(14, 10, 4, 4), Black), 16);
    EXPECT_EQ(countPixels(image, QRect(10, 14, 4, 4), Qt::white), 16);
    EXPECT_EQ(countPixels(image, QRect(14, 14, 4, 4), QColor(0, 0, 255)), 16);
    EXPECT_EQ(pixel(box, 9, 10), Back);
    EXPECT_EQ(pixel(box, 18, 18), Back);
}

TEST_F(PictureBoxTest, StretchCopiesOnlyTheSourceRect) {
    QImage source(4, 1, QImage::Format_RGB32);
    source.fill(Black);
    source.setPixelColor(3, 0, Red);
    box.stretchFrom(source, QRect(3, 0, 1, 1), QRect(0, 0, 5, 5));
    EXPECT_EQ(countPixels(box.image(), QRect(0, 0, 5, 5), Red), 25);
}

TEST_F(PictureBoxTest, StretchIgnoresTheDrawMode) {
    QImage source(1, 1, QImage::Format_RGB32);
    source.fill(Red);
    box.setDrawMode(PictureBox::DrawMode::Xor);
    box.stretchFrom(source, source.rect(), QRect(0, 0, 3, 3));
    EXPECT_EQ(pixel(box, 1, 1), Red);
}

TEST_F(PictureBoxTest, GrowingKeepsTheDrawingAndFillsTheNewPartWithTheBackColour) {
    box.fillRect(QRect(50, 30, 10, 10), Red);
    box.resize(100, 80);
    const QImage image = box.image();
    ASSERT_EQ(image.size(), QSize(100, 80));
    EXPECT_EQ(countPixels(image, QRect(50, 30, 10, 10), Red), 100);
    EXPECT_EQ(countPixels(image, image.rect(), Back), 100 * 80 - 100);
}

TEST_F(PictureBoxTest, DrawingFollowsTheSizeOfAHiddenBox) {
    box.hide();
    box.resize(120, 90);
    box.fillRect(QRect(100, 70, 20, 20), Red);
    EXPECT_EQ(box.image().size(), QSize(120, 90));
    EXPECT_EQ(pixel(box, 119, 89), Red);
}

TEST_F(PictureBoxTest, TheDrawingSurvivesHidingAndShowingAndIsWhatIsPainted) {
    box.fillRect(QRect(5, 5, 10, 10), Red);
    box.show();
    box.hide();
    box.show();
    box.refreshNow();
    EXPECT_EQ(countPixels(box.image(), QRect(5, 5, 10, 10), Red), 100);

    const QImage painted = box.grab().toImage();
    ASSERT_EQ(painted.size(), QSize(60, 40));
    EXPECT_EQ(painted.pixelColor(7, 7), Red);
    EXPECT_EQ(painted.pixelColor(30, 30), Back);
}

TEST_F(PictureBoxTest, AutoSizeTakesThePictureSize) {
    QImage photo(123, 45, QImage::Format_RGB32);
    photo.fill(Red);
    box.setAutoSize(true);
    box.hide();
    box.setPicture(photo);
    EXPECT_EQ(box.size(), QSize(123, 45));
    EXPECT_EQ(box.image(), photo);
}

TEST_F(PictureBoxTest, WithoutAutoSizeThePictureIsDrawnAtTheTopLeftCorner) {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Red);
    box.setPicture(picture);
    EXPECT_EQ(box.size(), QSize(60, 40));
    EXPECT_EQ(countPixels(box.image(), box.image().rect(), Red), 100);
    EXPECT_EQ(pixel(box, 0, 0), Red);
}

TEST_F(PictureBoxTest, MouseEventsAreSignalledWithTheButtonAndPosition) {
    box.show();
    QSignalSpy downs(&box, &PictureBox::mouseDown);
    QSignalSpy ups(&box, &PictureBox::mouseUp);
    QTest::mousePress(&box, Qt::RightButton, {}, QPoint(12, 34));
    QTest::mouseRelease(&box, Qt::RightButton, {}, QPoint(13, 35));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(downs[0][1].toPoint(), QPoint(12, 34));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups[0][1].toPoint(), QPoint(13, 35));
}

TEST_F(PictureBoxTest, ADoubleClickRaisesOneMouseDown) {
    QSignalSpy downs(&box, &PictureBox::mouseDown);
    doubleClickThroughWindow(box, QPoint(12, 34));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][1].toPoint(), QPoint(12, 34));
    // A double-click event without the first press stands for a press.
    QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(downs.count(), 2);
    // Two clicks apart in time are two presses.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(downs.count(), 4);
}
} // namespace
