// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/thumbnail_wiring.h"
#include "core/library/load_folder.h"
#include "support/test_photos.h"
#include "support_library/library_fixture.h"
#include "ui/clip_window/clip_window.h"
#include "ui/clip_window/clipping.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString Folder = QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMG_0001_a");
const QColor Unchosen(224, 224, 224);

// The face colour a button shows, away from its border and caption.
QColor faceOf(QPushButton* button) {
    return button->grab().toImage().pixelColor(6, 6);
}

class ClipTest : public ::testing::Test {
protected:
    ClipTest() {
        rig.files.makeDirectory(Folder);
        for (int i = 0; i < 2; ++i) {
            const QString path = Folder + QStringLiteral("\\Q%1.JPG").arg(i + 1);
            writeTestJpeg(rig.host(path), i == 0 ? QSize(800, 600) : QSize(300, 500));
            rig.state.folder.PhotoPaths[i + 1] = path;
        }
        rig.state.folder.PhotoCount = 2;
    }

    Clipping& clip() { return clipping; }
    ClipWindow& window() { return clip().window(); }

    // Opens photo n in the clip window and works it with steps while it is
    // open.
    void open(int n, const std::function<void(ClipWindow&)>& steps = {}) {
        rig.modals.script = [&](QDialog& dialog) {
            ASSERT_EQ(&dialog, &window());
            if (steps)
                steps(window());
        };
        clip().open(n);
    }
    void click(ClipWindow& form, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form.photoBox, button, {}, pos);
    }
    void moveTo(ClipWindow& form, QPoint pos) {
        QMouseEvent move(QEvent::MouseMove, pos, form.photoBox->mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.photoBox, &move);
    }
    LibraryRig rig;
    Clipping clipping{rig.program, *rig.form};
};

TEST_F(ClipTest, OpensTheWindowAtItsDesignPlaces) {
    open(1, [&](ClipWindow& form) {
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.windowTitle(), QStringLiteral("しゃしんのクリップ"));
        EXPECT_EQ(form.size(), QSize(651, 538));
        EXPECT_EQ(form.palette().color(QPalette::Window), QColor(255, 255, 192));
        EXPECT_EQ(form.photoBox->geometry(), QRect(4, 51, 641, 481));
        EXPECT_EQ(form.clipButton->geometry(), QRect(440, 4, 105, 41));
        EXPECT_EQ(faceOf(form.sizeButtons[0]), QColor(192, 255, 255));
        EXPECT_EQ(faceOf(form.sizeButtons[1]), Unchosen);
        EXPECT_EQ(faceOf(form.areaButtons[0]), QColor(192, 255, 192));
        EXPECT_EQ(faceOf(form.areaButtons[1]), Unchosen);
        EXPECT_EQ(faceOf(form.clipButton), QColor(192, 192, 255));
        EXPECT_EQ(faceOf(form.closeButton), QColor(255, 192, 192));
        EXPECT_TRUE(showsTestPicture(form.photoBox->image().copy(0, 0, 640, 480)));
        form.closeButton->click();
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(rig.modals.opened, 1);
    EXPECT_EQ(rig.state.folder.ImageWidth, 800);
    EXPECT_EQ(rig.state.folder.ImageHeight, 600);
}

// A 300 x 500 photo is drawn 288 x 480 (or 144 x 240) in the middle of the
// box, and that is what "すべて" clips.
TEST_F(ClipTest, WholePictureIsThePhotoAsDrawnAtEitherSize) {
    open(2, [&](ClipWindow& form) {
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image.size(), QSize(288, 480));
        EXPECT_TRUE(showsTestPicture(rig.clipboard.image));
        EXPECT_EQ(rig.clipboard.image, form.photoBox->image().copy(176, 0, 288, 480));
        EXPECT_EQ(form.photoBox->image().pixelColor(170, 240), form.photoBox->backColor());

        form.sizeButtons[1]->click();
        EXPECT_EQ(form.photoBox->geometry(), QRect(164, 100, 321, 241));
        EXPECT_EQ(faceOf(form.sizeButtons[1]), QColor(192, 255, 255));
        EXPECT_EQ(faceOf(form.sizeButtons[0]), Unchosen);
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image, form.photoBox->image().copy(88, 0, 144, 240));
        EXPECT_TRUE(showsTestPicture(rig.clipboard.image));
    });
    EXPECT_EQ(rig.state.folder.ImageWidth, 300);
}

struct Corners {
    QPoint first, second;
    QRect expected;
};

class ClipRange : public ClipTest, public ::testing::WithParamInterface<Corners> {};

TEST_P(ClipRange, TwoCornersInEitherOrderCutTheirRectangle) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        EXPECT_EQ(rig.messages.shown.value(0),
                  QStringLiteral("マウスでとりこむ場所を教えてください。"));
        EXPECT_EQ(faceOf(form.areaButtons[1]), QColor(192, 255, 192));
        EXPECT_EQ(faceOf(form.areaButtons[0]), Unchosen);
        const QImage clean = form.photoBox->image();
        click(form, GetParam().first);
        click(form, GetParam().second);
        EXPECT_EQ(clipping.state().corners, 2);
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image.size(), GetParam().expected.size());
        EXPECT_EQ(rig.clipboard.image, clean.copy(GetParam().expected));
        EXPECT_EQ(form.photoBox->image(), clean);
        EXPECT_EQ(clipping.state().corners, 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Examples, ClipRange,
                         ::testing::Values(Corners{{10, 20}, {109, 69}, {10, 20, 100, 50}},
                                           Corners{{109, 69}, {10, 20}, {10, 20, 100, 50}},
                                           Corners{{300, 200}, {340, 260}, {300, 200, 41, 61}},
                                           Corners{{33, 44}, {33, 44}, {33, 44, 1, 1}}));

TEST_F(ClipTest, CutPixelsAreThePhotos) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        // Around the middle, where the four quadrants meet.
        click(form, {300, 220});
        click(form, {339, 259});
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image.size(), QSize(40, 40));
        EXPECT_TRUE(showsTestPicture(rig.clipboard.image));
    });
}

TEST_F(ClipTest, ChosenFrameIsWhiteOutsideBlack) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        const QImage clean = form.photoBox->image();
        click(form, {109, 69});
        click(form, {10, 20});
        const QImage framed = form.photoBox->image();
        EXPECT_EQ(framed.pixelColor(9, 40), QColor(Qt::white));
        EXPECT_EQ(framed.pixelColor(10, 40), QColor(Qt::black));
        EXPECT_EQ(framed.pixelColor(60, 70), QColor(Qt::white));
        EXPECT_EQ(framed.pixelColor(60, 69), QColor(Qt::black));
        EXPECT_EQ(framed.pixelColor(11, 40), clean.pixelColor(11, 40));
        EXPECT_EQ(framed.pixelColor(8, 40), clean.pixelColor(8, 40));
    });
}

TEST_F(ClipTest, OneCornerClipsNothingThenTheWholePicture) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        click(form, {10, 20});
        rig.clipboard.image = QImage(5, 5, QImage::Format_RGB32);
        form.clipButton->click();
        EXPECT_TRUE(rig.clipboard.image.isNull());
        EXPECT_EQ(rig.clipboard.sets, 0);
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image.size(), QSize(640, 480));
    });
}

TEST_F(ClipTest, RightClickDropsTheRectangle) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        const QImage clean = form.photoBox->image();
        click(form, {10, 20});
        click(form, {109, 69});
        click(form, {200, 200}, Qt::RightButton);
        EXPECT_EQ(clipping.state().corners, 0);
        EXPECT_EQ(form.photoBox->image(), clean);
        click(form, {50, 60});
        click(form, {70, 90});
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image.size(), QSize(21, 31));
    });
}

TEST_F(ClipTest, SizeChangeKeepsTheCorners) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        click(form, {10, 20});
        click(form, {109, 69});
        form.sizeButtons[1]->click();
        EXPECT_EQ(clipping.state().corners, 2);
        EXPECT_EQ(form.photoBox->image().pixelColor(10, 40), QColor(Qt::black));
        form.clipButton->click();
        EXPECT_EQ(rig.clipboard.image.size(), QSize(100, 50));
        EXPECT_EQ(rig.clipboard.image, form.photoBox->image().copy(10, 20, 100, 50));
    });
}

TEST_F(ClipTest, RubberBandLeavesNoTrace) {
    open(1, [&](ClipWindow& form) {
        form.areaButtons[1]->click();
        const QImage clean = form.photoBox->image();
        click(form, {10, 20});
        moveTo(form, {200, 150});
        moveTo(form, {200, 150});
        moveTo(form, {60, 80});
        const QImage banded = form.photoBox->image();
        // Only the frame at the last position differs, each pixel inverted.
        int changed = 0;
        for (int y = 0; y < clean.height(); ++y) {
            for (int x = 0; x < clean.width(); ++x) {
                const bool onFrame = (x >= 10 && x <= 60 && (y == 20 || y == 80)) ||
                                     (y >= 20 && y <= 80 && (x == 10 || x == 60));
                const QRgb expected =
                    onFrame ? (clean.pixel(x, y) ^ 0x00ffffff) : clean.pixel(x, y);
                if (banded.pixel(x, y) != expected)
                    ++changed;
            }
        }
        EXPECT_EQ(changed, 0);
        moveTo(form, {-40, 900}); // outside the box: the frame stays on it
        EXPECT_EQ(clipping.state().loose.x(), 0);
        EXPECT_EQ(clipping.state().loose.y(), 480);
        click(form, {60, 80});
        const QImage framed = form.photoBox->image();
        EXPECT_EQ(framed.pixelColor(150, 150), clean.pixelColor(150, 150));
        EXPECT_EQ(framed.pixelColor(5, 470), clean.pixelColor(5, 470));
        EXPECT_EQ(framed.pixelColor(10, 50), QColor(Qt::black));
    });
}

TEST_F(ClipTest, WindowKeepsItsModesBetweenOpenings) {
    open(1, [&](ClipWindow& form) {
        form.sizeButtons[1]->click();
        form.areaButtons[1]->click();
        click(form, {10, 20});
        click(form, {109, 69});
        form.closeButton->click();
    });
    open(2, [&](ClipWindow& form) {
        EXPECT_EQ(form.photoBox->geometry(), QRect(164, 100, 321, 241));
        EXPECT_EQ(faceOf(form.sizeButtons[1]), QColor(192, 255, 255));
        EXPECT_EQ(faceOf(form.areaButtons[1]), QColor(192, 255, 192));
        EXPECT_EQ(form.photoBox->image().pixelColor(10, 40), QColor(Qt::black));
        form.clipButton->click();
        // The part of the rectangle on this photo, drawn 144 wide from x = 88.
        EXPECT_EQ(rig.clipboard.image.size(), QSize(22, 50));
    });
    EXPECT_EQ(clipping.state().size, ClipSize::Small);
    EXPECT_EQ(clipping.state().area, ClipArea::Range);
    for (QPushButton* button : window().findChildren<QPushButton*>()) // after the clicks
        EXPECT_EQ(button->font(), window().font()) << button->text().toStdString();
}

TEST_F(ClipTest, FailuresAreToldInKana) {
    QFile::remove(rig.host(rig.state.folder.PhotoPaths[2]));
    open(2);
    EXPECT_EQ(rig.modals.opened, 0);
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("このしゃしんはひらけません。")});

    rig.clipboard.refusing = true;
    open(1, [&](ClipWindow& form) { form.clipButton->click(); });
    EXPECT_EQ(rig.messages.shown.value(1),
              QStringLiteral("クリップボードにいれられませんでした。"));
}

TEST(ClipCommands, RightClickOnAThumbnailOpensItsPhotoAndMenuExplains) {
    LibraryRig rig;
    rig.state.folder.PhotoFolder = Folder;
    rig.makePhotos(Folder, 4, {640, 480});
    loadFolder(rig.program);
    // A second connection of the panel: the rig's own one only marks.
    Clipping clipping(rig.program, *rig.form);
    connectBrowserControls(rig.program, *rig.form,
                           [&clipping](int photo) { clipping.open(photo); });
    connectClipCommands(rig.program, *rig.form);
    QColor shown;
    rig.modals.script = [&](QDialog& dialog) {
        shown = static_cast<ClipWindow&>(dialog).photoBox->image().pixelColor(320, 240);
    };
    QTest::mouseClick(rig.form->thumbnailPanel, Qt::RightButton, {}, QPoint(330, 100));
    EXPECT_EQ(rig.modals.opened, 1);
    EXPECT_TRUE(nearColour(shown, LibraryRig::photoColour(rig.photoFileNumber(3))));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(rig.state.folder.PhotoMarks[n], 0);

    // The rig's class has no index, which opening the photo rebuilds and tells.
    rig.messages.shown.clear();
    rig.form->clipAction->trigger();
    EXPECT_EQ(rig.messages.shown,
              QStringList{QStringLiteral(
                  "クリップボードへとりこみたいしゃしんを\n右クリックしてください。")});
}

} // namespace
