// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/circle_photo.h"
#include "support/test_photos.h"
#include "support_library/library_fixture.h"
#include "ui/slide_show_window/slide_show.h"
#include "ui/slide_show_window/slide_show_window.h"
#include "ui/widgets/picture_box.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Folder = QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMG_0001_a");

class SlideShowTest : public ::testing::Test {
protected:
    explicit SlideShowTest(int screenWidth = 1024) : rig(screenWidth) {}

    // Makes count photos in the open folder and marks those listed (all when
    // none are listed).
    void makeFolder(int count, std::initializer_list<int> marked = {}) {
        const QStringList paths = rig.makePhotos(Folder, count, {160, 120});
        setPhotos(paths);
        for (int n = 1; n <= count; ++n)
            rig.state.folder.PhotoMarks[n] = marked.size() == 0 ? 1 : 0;
        for (int n : marked)
            rig.state.folder.PhotoMarks[n] = 1;
    }
    void setPhotos(const QStringList& paths) {
        rig.state.folder.PhotoCount = int(paths.size());
        for (int i = 0; i < paths.size(); ++i)
            rig.state.folder.PhotoPaths[i + 1] = paths[i];
    }
    SlideShow& start() {
        show.start();
        return show;
    }
    SlideShowWindow& window() { return show.window(); }
    QColor slideColour(QPoint pos = {450, 300}) {
        return window().photoBox->image().pixelColor(pos);
    }
    // The colour of the photo file number n.
    static QColor photo(int n) { return LibraryRig::photoColour(n); }

    LibraryRig rig;
    SlideShow show{rig.program, *rig.form};
};

TEST_F(SlideShowTest, NoMarkedPhotoAsksForSomeAndOpensNothing) {
    makeFolder(3, {});
    rig.state.folder.PhotoMarks.fill(0);
    start();
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("しゃしんをえらんでください。")});
    EXPECT_FALSE(window().isVisible());
}

TEST_F(SlideShowTest, OneSlideStaysOnBothSteps) {
    makeFolder(3, {2});
    start();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().isFullScreen());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window().isModal());
    EXPECT_EQ(rig.state.selection.SelectedCount, 1);
    EXPECT_EQ(show.slideCount(), 1);
    EXPECT_EQ(rig.state.selection.SelectedPaths[1], rig.state.folder.PhotoPaths[2]);
    EXPECT_TRUE(nearColour(slideColour(), photo(2)));
    for (QPushButton* button : {window().stepButtons[0], window().stepButtons[1]}) {
        button->click();
        EXPECT_EQ(show.slideShown(), 1);
        EXPECT_TRUE(nearColour(slideColour(), photo(2)));
    }
    window().endButton->click();
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 1);
}

TEST_F(SlideShowTest, ButtonsAndKeysStepWithoutWrapping) {
    makeFolder(4, {1, 3, 4});
    start();
    const int expected[] = {3, 4, 4};
    for (int colour : expected) {
        window().stepButtons[1]->click();
        EXPECT_TRUE(nearColour(slideColour(), photo(colour))) << colour;
    }
    QTest::keyClick(&window(), Qt::Key_Left);
    EXPECT_EQ(show.slideShown(), 2);
    EXPECT_TRUE(nearColour(slideColour(), photo(3)));
    QTest::keyClick(&window(), Qt::Key_Left);
    QTest::keyClick(&window(), Qt::Key_Left);
    EXPECT_TRUE(nearColour(slideColour(), photo(1)));
    QTest::keyClick(&window(), Qt::Key_Right);
    EXPECT_EQ(show.slideShown(), 2);
    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_FALSE(window().isVisible());
}

struct StripCase {
    int slides;
    bool strip;
    int buttonY;
};

class StripOffer : public SlideShowTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(StripOffer, TenSlidesOfferTheStripElevenDoNot) {
    makeFolder(GetParam().slides);
    start();
    SlideShowWindow& form = window();
    EXPECT_EQ(form.layoutButtons[0]->isVisible(), GetParam().strip);
    EXPECT_EQ(form.layoutButtons[1]->isVisible(), GetParam().strip);
    EXPECT_FALSE(form.thumbnailStrip->isVisible());
    EXPECT_EQ(form.endButton->geometry(), QRect(910, GetParam().buttonY, 87, 41));
    EXPECT_EQ(form.stepButtons[0]->geometry(), QRect(420, GetParam().buttonY, 89, 41));
    EXPECT_EQ(form.stepButtons[1]->geometry(), QRect(540, GetParam().buttonY, 89, 41));
    EXPECT_EQ(form.photoBox->geometry(), QRect(62, GetParam().strip ? 7 : 15, 900, 670));
    if (GetParam().strip) {
        EXPECT_EQ(form.layoutButtons[0]->geometry(), QRect(150, 680, 111, 85));
        EXPECT_EQ(form.layoutButtons[1]->geometry(), QRect(270, 680, 111, 85));
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, StripOffer,
                         ::testing::Values(StripCase{10, true, 700}, StripCase{11, false, 720}));

TEST_F(SlideShowTest, StripShowsThumbnailsAndPicksSlides) {
    makeFolder(10);
    start();
    SlideShowWindow& form = window();
    QTest::mouseClick(form.layoutButtons[1], Qt::LeftButton);
    EXPECT_TRUE(form.thumbnailStrip->isVisible());
    EXPECT_EQ(form.thumbnailStrip->geometry(), QRect(7, 7, 101, 721));
    EXPECT_EQ(form.photoBox->pos(), QPoint(116, 7));

    const QImage strip = form.thumbnailStrip->image();
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(nearColour(strip.pixelColor(50, 72 * (k - 1) + 36), photo(k))) << k;
    EXPECT_EQ(strip.pixelColor(100, 72), QColor(Qt::black));
    EXPECT_EQ(strip.pixelColor(0, 646), QColor(Qt::black));

    QTest::mouseClick(form.thumbnailStrip, Qt::LeftButton, {}, QPoint(50, 143));
    EXPECT_EQ(show.slideShown(), 2);
    EXPECT_TRUE(nearColour(slideColour(), photo(2)));
    QTest::mouseClick(form.thumbnailStrip, Qt::RightButton, {}, QPoint(50, 719));
    EXPECT_EQ(show.slideShown(), 10);
    EXPECT_TRUE(nearColour(slideColour(), photo(10)));

    QTest::mouseClick(form.layoutButtons[0], Qt::LeftButton);
    EXPECT_FALSE(form.thumbnailStrip->isVisible());
    EXPECT_EQ(form.photoBox->pos(), QPoint(62, 7));
}

TEST_F(SlideShowTest, ShorterShowClearsTheStripAndPicksItsLastSlide) {
    makeFolder(10);
    start();
    window().endButton->click();
    for (int n = 4; n <= 10; ++n)
        rig.state.folder.PhotoMarks[n] = 0;
    start();
    const QImage strip = window().thumbnailStrip->image();
    EXPECT_TRUE(nearColour(strip.pixelColor(50, 72 * 2 + 36), photo(3)));
    EXPECT_EQ(strip.pixelColor(50, 72 * 3 + 36), QColor(Qt::white));
    EXPECT_EQ(show.slideShown(), 1);
    QTest::mouseClick(window().thumbnailStrip, Qt::LeftButton, {}, QPoint(50, 500));
    EXPECT_EQ(show.slideShown(), 3);
    EXPECT_TRUE(nearColour(slideColour(), photo(3)));
}

TEST_F(SlideShowTest, EachPhotoFitsTheBoxInItsOwnProportions) {
    const QList<QSize> sizes = {{400, 300}, {300, 500}, {1600, 400}};
    QStringList paths;
    for (int i = 0; i < sizes.size(); ++i) {
        paths << Folder + QStringLiteral("\\Q%1.JPG").arg(i);
        rig.files.makeDirectory(Folder);
        ASSERT_TRUE(writeTestJpeg(rig.host(paths.last()), sizes[i]));
    }
    setPhotos(paths);
    for (int n = 1; n <= 3; ++n)
        rig.state.folder.PhotoMarks[n] = 1;
    start();
    const auto colours = testPaletteColors(TestPalette::Photo);
    for (int i = 0; i < sizes.size(); ++i) {
        if (i > 0)
            window().stepButtons[1]->click();
        EXPECT_EQ(rig.state.folder.ImageWidth, sizes[i].width());
        EXPECT_EQ(rig.state.folder.ImageHeight, sizes[i].height());
        // Whole and centred in 900 x 670: the quadrants meet at (450, 335).
        const QImage slide = window().photoBox->image();
        EXPECT_EQ(slide.size(), QSize(900, 670));
        EXPECT_TRUE(nearColour(slide.pixelColor(440, 325), colours[0], 24)) << i;
        EXPECT_TRUE(nearColour(slide.pixelColor(460, 325), colours[1], 24)) << i;
        EXPECT_TRUE(nearColour(slide.pixelColor(440, 345), colours[2], 24)) << i;
        EXPECT_TRUE(nearColour(slide.pixelColor(460, 345), colours[3], 24)) << i;
        const QPoint beside = i == 1 ? QPoint(100, 335) : QPoint(450, 100); // black if not 4:3
        EXPECT_EQ(slide.pixelColor(beside) == Qt::black, i > 0) << i;
    }
    ASSERT_TRUE(writeCirclePhoto(rig.host(paths[1]), {600, 800}));
    start();
    window().stepButtons[1]->click();
    EXPECT_TRUE(discIsRound(window().photoBox->image()));
}

TEST_F(SlideShowTest, UnreadablePhotoIsABlackSlideAndTheShowGoesOn) {
    makeFolder(3);
    QFile::remove(rig.host(rig.state.folder.PhotoPaths[2]));
    start();
    const QImage strip = window().thumbnailStrip->image();
    EXPECT_EQ(strip.pixelColor(50, 72 + 36), QColor(Qt::white));
    window().stepButtons[1]->click();
    EXPECT_EQ(slideColour(), QColor(224, 224, 224)); // the sign
    window().stepButtons[1]->click();
    EXPECT_TRUE(nearColour(slideColour(), photo(3)));
}

TEST_F(SlideShowTest, MoreThan999MarkedPhotosHoldTheFirst999) {
    QStringList paths = rig.makePhotos(Folder, 2, {160, 120});
    for (int n = 3; n <= MaxPhotos; ++n)
        paths << Folder + QStringLiteral("\\X%1.JPG").arg(n);
    setPhotos(paths);
    rig.state.folder.PhotoMarks.fill(1);
    start();
    EXPECT_EQ(rig.state.selection.SelectedCount, 1000);
    EXPECT_EQ(show.slideCount(), 999);
    EXPECT_EQ(rig.state.selection.SelectedPaths[999], paths[998]);
    EXPECT_TRUE(rig.state.selection.SelectedPaths[1000].isEmpty());
    EXPECT_FALSE(window().layoutButtons[1]->isVisible());
    EXPECT_TRUE(nearColour(slideColour(), photo(1)));
    window().stepButtons[1]->click();
    window().stepButtons[1]->click();
    EXPECT_EQ(slideColour(), QColor(224, 224, 224)); // the sign
}

class SmallScreenShow : public SlideShowTest {
protected:
    SmallScreenShow() : SlideShowTest(800) { rig.screen.height = 600; }
};

TEST_F(SmallScreenShow, NeverOffersTheStrip) {
    makeFolder(3);
    start();
    SlideShowWindow& form = window();
    EXPECT_FALSE(form.layoutButtons[0]->isVisible());
    EXPECT_FALSE(form.layoutButtons[1]->isVisible());
    EXPECT_FALSE(form.thumbnailStrip->isVisible());
    EXPECT_EQ(form.photoBox->geometry(), QRect(80, 15, 640, 480));
    EXPECT_EQ(form.endButton->pos(), QPoint(700, 520));
    EXPECT_EQ(form.stepButtons[0]->pos(), QPoint(230, 520));
    EXPECT_EQ(form.stepButtons[1]->pos(), QPoint(440, 520));
    EXPECT_TRUE(nearColour(slideColour({639, 479}), photo(1)));
}

} // namespace
