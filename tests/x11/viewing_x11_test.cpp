// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_data.h"
#include "support/test_photos.h"
#include "support_library/library_fixture.h"
#include "ui/clip_window/clip_window.h"
#include "ui/clip_window/clipping.h"
#include "ui/main_window/main_window_view.h"
#include "ui/slide_show_window/slide_show.h"
#include "ui/slide_show_window/slide_show_window.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/qt_clipboard.h"

#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Folder = QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMG_0001_a");

// The main window and its services as the test rig makes them, but with the
// system's own clipboard.
struct X11Rig {
    X11Rig()
        : services{rig.messages, rig.screen,     rig.clock,   rig.files, rig.dialogs,
                   rig.modals,   rig.thumbnails, rig.printer, clipboard},
          form(rig.state, services),
          view(rig.state, services, form), program{rig.state, services, view} {
        form.load();
    }
    LibraryRig rig;
    QtClipboard clipboard;
    Services services;
    MainWindow form;
    MainWindowView view;
    AppContext program;
};

// What xclip reads from the X clipboard as a PNG, while this program keeps
// answering the X server; a null image when it gives nothing within 20 s.
QImage readXClipboardPng() {
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                 QStringLiteral("image/png"), QStringLiteral("-o")});
    loop.exec();
    if (xclip.state() != QProcess::NotRunning) {
        xclip.kill();
        xclip.waitForFinished();
        return {};
    }
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG");
}

TEST(ViewingOnX11, ClippedRectangleCanBeReadBackFromTheXClipboard) {
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        GTEST_SKIP() << "xclip is not installed (scripts/setup.sh installs it)";
    X11Rig x;
    x.rig.files.makeDirectory(Folder);
    const QString path = Folder + QStringLiteral("\\Q1.JPG");
    ASSERT_TRUE(writeTestJpeg(x.rig.host(path), {1600, 1200}));
    x.rig.state.folder.PhotoPaths[1] = path;
    x.rig.state.folder.PhotoCount = 1;

    QImage shown;
    x.rig.modals.script = [&](QDialog& dialog) {
        auto& form = static_cast<ClipWindow&>(dialog);
        form.areaButtons[1]->click();
        QTest::mouseClick(form.photoBox, Qt::LeftButton, {}, QPoint(280, 200));
        QTest::mouseClick(form.photoBox, Qt::LeftButton, {}, QPoint(379, 279));
        form.clipButton->click();
        shown = form.photoBox->image().copy(280, 200, 100, 80);
    };
    Clipping(x.program, x.form).open(1);
    ASSERT_EQ(x.rig.messages.shown.size(), 1); // the hint of "はんい" only

    const QImage read = readXClipboardPng();
    ASSERT_FALSE(read.isNull()) << "xclip read nothing";
    EXPECT_EQ(read.size(), QSize(100, 80));
    EXPECT_TRUE(showsTestPicture(read));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), shown);
}

TEST(ViewingOnX11, ShowOfThreeRealPhotosStepsForwardAndBack) {
    REQUIRE_SHARED_TESTDATA();
    X11Rig x;
    const QStringList names = {QStringLiteral("DSC_3079.jpg"), QStringLiteral("Sanyo S1.JPG"),
                               QStringLiteral("Panasonic DMC-LC70 (Lumix).jpg")};
    for (int i = 0; i < names.size(); ++i) {
        x.rig.state.folder.PhotoPaths[i + 1] =
            x.rig.files.drivePath(sharedTestData(QStringLiteral("jpeg/real/") + names[i]));
        x.rig.state.folder.PhotoMarks[i + 1] = 1;
    }
    x.rig.state.folder.PhotoCount = 3;

    SlideShow show(x.program, x.form);
    show.start();
    SlideShowWindow& window = show.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<QImage> slides{window.photoBox->image()};
    for (int i = 0; i < 2; ++i) {
        window.stepButtons[1]->click();
        slides.push_back(window.photoBox->image());
    }
    QImage black(slides[0].size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    for (std::size_t i = 0; i < slides.size(); ++i) // photos, not unreadable black slides
        EXPECT_GT(meanDifference(slides[i], black), 20) << names[int(i)].toStdString();
    EXPECT_NE(slides[0], slides[1]);
    EXPECT_NE(slides[1], slides[2]);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(window.photoBox->image(), slides[1]);
    window.stepButtons[0]->click();
    EXPECT_EQ(window.photoBox->image(), slides[0]);
    window.endButton->click();
    EXPECT_FALSE(window.isVisible());
}

// The X server here runs no window manager, so only the window itself can
// make the show fill the screen.
TEST(ViewingOnX11, SlideShowFillsTheScreenWithoutAWindowManager) {
    X11Rig x;
    x.rig.state.folder.PhotoPaths[1] = x.rig.makePhotos(Folder, 1, {640, 480}).constFirst();
    x.rig.state.folder.PhotoMarks[1] = 1;
    x.rig.state.folder.PhotoCount = 1;
    SlideShow show(x.program, x.form);
    show.start();
    SlideShowWindow& window = show.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.frameGeometry(), window.screen()->geometry());
    window.endButton->click();
}

} // namespace
