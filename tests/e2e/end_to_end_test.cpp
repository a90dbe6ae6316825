// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/pdf_pages.h"
#include "core/commands/private_cups.h"
#include "core/files/cp932_text.h"
#include "support/card_image.h"
#include "support/cp932_files.h"
#include "support/smb_share.h"
#include "support/window_controls.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "xvfb_session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

// The built program, started under a private X server with a private home
// and a library of its own, worked with the mouse as a pupil would.

namespace {

constexpr int DeadlineMs = 30000;
const QColor ClassPanel(192, 255, 255);
const QColor ThumbnailPanel(255, 255, 192);
const QColor OpenRow(100, 255, 20);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);
const QColor PhotoColours[] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(60, 60, 200),
                               QColor(220, 160, 40), QColor(150, 60, 180)};

// Polls until done() or the deadline; true when done.
bool waitUntil(const std::function<bool()>& done, int deadlineMs = DeadlineMs) {
    const QDeadlineTimer deadline(deadlineMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

// The top-left pixel of the first area of colour, row by row; nullopt if none.
std::optional<QPoint> firstPixelOf(const QImage& screen, const QColor& colour) {
    const QRgb wanted = colour.rgb();
    for (int y = 0; y < screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x)
            if ((line[x] | 0xff000000) == wanted)
                return QPoint(x, y);
    }
    return std::nullopt;
}

// The middle of word n of the menu bar at the top of the screen; words are
// runs of dark pixels more than five pixels apart.
std::optional<QPoint> menuWord(const QImage& screen, int n) {
    int start = -1;
    int gap = 0;
    for (int x = 0; x < screen.width(); ++x) {
        bool ink = false;
        for (int y = 2; y < 15; ++y)
            ink = ink || qGray(screen.pixel(x, y)) < 128;
        if (ink && start < 0)
            start = x;
        gap = ink ? 0 : gap + 1;
        if (start >= 0 && gap > 5) {
            if (n-- == 0)
                return QPoint((start + x - gap) / 2, 8);
            start = -1;
        }
    }
    return std::nullopt;
}

bool writePhoto(const QString& path, const QColor& colour) {
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(colour);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && photo.save(path, "JPG", 95);
}

bool near(const QColor& a, const QColor& b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Cell c of the first row of a large page on thumbnailPanel: caption top y = 40,
// cell left 154 c; bar from (x + 4, y - 1) 144 wide, 18 high; picture at
// (x + 5, y + 18), 144 x 108; frame 145 wide and 127 high.
struct Cell {
    int x;
    QPoint barSample() const { return {x + 4 + 140, 40 + 8}; }
    QRect picture() const { return {x + 5, 58, 144, 108}; }
    int frameLeft() const { return x + 4; }
    int frameRight() const { return x + 4 + 145; }
    int frameTop() const { return 39; }
    int frameBottom() const { return 39 + 127; }
};
Cell cell(int column) {
    return {154 * column};
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!x.start(QSize(1024, 768)))
            GTEST_SKIP() << x.error().toStdString();
        for (const char* tool : {"xdotool", "xwd"})
            ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                << tool << " is missing; scripts/setup.sh installs it";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(makeProgramFolder());
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.terminate();
            if (!program.waitForFinished(5000)) {
                program.kill();
                program.waitForFinished(5000);
            }
        }
    }

    // The program's own folder: a copy of the binary (it reads its settings
    // and drive list beside itself), with drive C: in the temporary folder.
    bool makeProgramFolder() {
        const QString folder = dir.filePath(QStringLiteral("program"));
        QDir().mkpath(folder);
        programPath = folder + QStringLiteral("/fotobako");
        if (!QFile::copy(QStringLiteral(FOTOBAKO_PROGRAM), programPath))
            return false;
        QFile::setPermissions(programPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile drives(folder + QStringLiteral("/DRIVES.TXT"));
        if (!drives.open(QIODevice::WriteOnly))
            return false;
        drives.write(QStringLiteral("C: %1\n").arg(dir.filePath(QStringLiteral("c"))).toUtf8());
        return true;
    }

    // Class folder ３年２組 with one photo folder of three photos whose
    // index row says nine.
    bool makeLibrary() {
        const QString classFolder = dir.filePath(QStringLiteral("c/A_IMAGE/CLASS_32"));
        const QString photos = classFolder + QStringLiteral("/IMG_0001_えんそく");
        for (int i = 0; i < 3; ++i)
            if (!writePhoto(photos + QStringLiteral("/P%1.JPG").arg(i + 1), PhotoColours[i]))
                return false;
        indexPath = classFolder + QStringLiteral("/IMGMAIN.TXT");
        return writeCp932Lines(indexPath,
                               {QStringLiteral("えんそく,IMG_0001_えんそく,2002/06/15 9,")});
    }

    // The program looks for the user's cards under /media/<user>.
    QProcessEnvironment privateEnvironment(const QString& user) const {
        QProcessEnvironment env = x.environment(QProcessEnvironment::systemEnvironment());
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        for (const QString& sub :
             {QStringLiteral(".config"), QStringLiteral(".local/share"), QStringLiteral(".cache")})
            QDir().mkpath(home + u'/' + sub);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("USER"), user);
        return env;
    }

    // True once the main window is shown.
    bool startProgram(const QString& user = QStringLiteral("fotobako-e2e")) {
        program.setProcessEnvironment(privateEnvironment(user));
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(programPath, {});
        return program.waitForStarted(DeadlineMs) && waitUntil([&] {
                   mainWindow = x.visibleWindowsOf(program.processId()).value(0);
                   return !mainWindow.isEmpty();
               });
    }

    // A window of the program other than those known; empty when none comes.
    QString newWindow(const QStringList& known) {
        QString found;
        waitUntil([&] {
            for (const QString& window : x.visibleWindowsOf(program.processId()))
                if (!known.contains(window))
                    found = window;
            return !found.isEmpty();
        });
        return found;
    }

    // A question is a modal window of its own; Return answers its default,
    // Yes where nothing is lost. Keys are pressed in the question's window.
    bool pressIn(const QString& window, const QStringList& keys) {
        return !window.isEmpty() &&
               xdotool(QStringList{QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                                   QStringLiteral("key"), QStringLiteral("--delay"),
                                   QStringLiteral("100")} +
                       keys);
    }
    bool answerYes(const QStringList& known) {
        return pressIn(newWindow(known), {QStringLiteral("Return")});
    }

    // The class panel: ３年２組 is button index 11, grade 3 and class 2, at
    // (8 + 100 x 2, 52 + 40 x 1), 97 x 37.
    bool chooseClass32() {
        std::optional<QPoint> classPanel;
        screenWhen([&](const QImage& screen) {
            return (classPanel = firstPixelOf(screen, ClassPanel)).has_value();
        });
        return classPanel && clickAt(*classPanel + QPoint(208 + 48, 92 + 18)) &&
               answerYes({mainWindow});
    }

    // Waits for a screen that satisfies done; the last screen taken.
    QImage screenWhen(const std::function<bool(const QImage&)>& done) {
        QImage screen;
        waitUntil([&] {
            screen = x.screenshot();
            return !screen.isNull() && done(screen);
        });
        return screen;
    }

    // Keys typed into the main window, one after another.
    bool typeKeys(const QStringList& keys) {
        return xdotool(QStringList{QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                   mainWindow, QStringLiteral("key"), QStringLiteral("--delay"),
                                   QStringLiteral("80")} +
                       keys);
    }
    bool xdotool(const QStringList& arguments) {
        return x.run(QStringLiteral("xdotool"), arguments).has_value();
    }
    bool clickAt(QPoint pos, int clicks = 1) {
        return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                        QString::number(pos.x()), QString::number(pos.y()), QStringLiteral("click"),
                        QStringLiteral("--repeat"), QString::number(clicks),
                        QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
    }

    XvfbSession x;
    QTemporaryDir dir;
    QProcess program;
    QString programPath;
    QString mainWindow;
    QString indexPath;
};

TEST_F(EndToEnd, ChoosingAClassAndMarkingPhotosShowsOnScreenAndOnDisk) {
    ASSERT_TRUE(makeLibrary());
    ASSERT_TRUE(startProgram()) << "the main window did not appear";
    ASSERT_TRUE(chooseClass32()) << "no class panel or no question after the class button";

    // The class folder opens at its first folder, its three photos drawn.
    std::optional<QPoint> panel;
    auto pageDrawn = [&](const QImage& screen) {
        panel = firstPixelOf(screen, ThumbnailPanel);
        if (!panel)
            return false;
        for (int c = 0; c < 3; ++c) {
            const QColor shown = screen.pixelColor(*panel + cell(c).picture().center());
            if (!near(shown, PhotoColours[0]) && !near(shown, PhotoColours[1]) &&
                !near(shown, PhotoColours[2]))
                return false;
            if (screen.pixelColor(*panel + cell(c).barSample()) != Yellow)
                return false;
        }
        return true;
    };
    const QImage drawn = screenWhen(pageDrawn);
    ASSERT_TRUE(pageDrawn(drawn)) << "the first folder's page was not drawn";
    // folderList lies 202 pixels left of thumbnailPanel; its first row is open.
    EXPECT_EQ(drawn.pixelColor(*panel + QPoint(-202 + 190, 34 + 44)), OpenRow);

    // A quick double click marks photo 2 once; a click marks photo 3.
    ASSERT_TRUE(clickAt(*panel + cell(1).picture().center(), 2));
    ASSERT_TRUE(clickAt(*panel + cell(2).picture().center()));
    const QImage marked = screenWhen([&](const QImage& screen) {
        return screen.pixelColor(*panel + cell(2).barSample()) == Blue;
    });
    EXPECT_EQ(marked.pixelColor(*panel + cell(2).barSample()), Blue);
    EXPECT_EQ(marked.pixelColor(*panel + cell(1).barSample()), Blue)
        << "double click toggled twice";
    EXPECT_EQ(marked.pixelColor(*panel + cell(0).barSample()), Yellow);

    // The frames stand whole around the pictures, which marking left alone.
    for (int c = 0; c < 3; ++c) {
        const Cell shown = cell(c);
        EXPECT_EQ(marked.copy(shown.picture().translated(*panel)),
                  drawn.copy(shown.picture().translated(*panel)))
            << c;
        for (int y = shown.frameTop(); y <= shown.frameBottom(); ++y) {
            ASSERT_EQ(marked.pixelColor(*panel + QPoint(shown.frameLeft(), y)), Qt::black) << y;
            ASSERT_EQ(marked.pixelColor(*panel + QPoint(shown.frameRight(), y)), Qt::black) << y;
        }
        for (int x = shown.frameLeft(); x <= shown.frameRight(); ++x)
            ASSERT_EQ(marked.pixelColor(*panel + QPoint(x, shown.frameBottom())), Qt::black) << x;
    }

    // Opening the folder corrected its count in the index to the three photos.
    const QStringList index = readCp932Lines(indexPath).value_or(QStringList());
    ASSERT_EQ(index.size(), 1);
    EXPECT_TRUE(index[0].startsWith(QStringLiteral("えんそく,IMG_0001_えんそく,")))
        << index[0].toStdString();
    EXPECT_TRUE(index[0].endsWith(QStringLiteral(" 3,"))) << index[0].toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
}

// A FIFO planted as the photo folder's shared thumbnail pack neither holds
// the page up nor keeps the program from ending.
TEST_F(EndToEnd, APlantedFifoEntryNeitherHoldsThePageNorTheEnd) {
    ASSERT_TRUE(makeLibrary());
    const QString repository =
        dir.filePath(QStringLiteral("c/A_IMAGE/CLASS_32/IMG_0001_えんそく/.sh_thumbnails/"));
    ASSERT_TRUE(QDir().mkpath(repository));
    ASSERT_EQ(::mkfifo(QFile::encodeName(repository + "fotobako.pack").constData(), 0600), 0);
    ASSERT_TRUE(startProgram()) << "the main window did not appear";
    ASSERT_TRUE(chooseClass32()) << "no class panel or no question after the class button";

    auto pageDrawn = [&](const QImage& screen) {
        const std::optional<QPoint> panel = firstPixelOf(screen, ThumbnailPanel);
        return panel &&
               near(screen.pixelColor(*panel + cell(0).picture().center()), PhotoColours[0]) &&
               near(screen.pixelColor(*panel + cell(1).picture().center()), PhotoColours[1]);
    };
    QImage drawn;
    ASSERT_TRUE(waitUntil([&] { return pageDrawn(drawn = x.screenshot()); }, 10000))
        << "the page was not drawn within 10 s";

    ASSERT_TRUE(clickAt(*menuWord(drawn, 0)));
    ASSERT_TRUE(answerYes({mainWindow})) << "no question after おわり";
    EXPECT_TRUE(program.waitForFinished(10000)) << "おわり did not end the program";
}

// A camera card in the reader: an exFAT image mounted under /media/<user>,
// where the program looks for the cards of the user it runs as.
TEST_F(EndToEnd, APupilSeesTheCardAndImportsBothItsDcimFolders) {
    QTemporaryDir media(QStringLiteral("/media/fotobako-e2e-XXXXXX"));
    if (!media.isValid())
        GTEST_SKIP() << "cannot make a folder under /media";
    CardImage card(CardImage::Format::ExFat, media.filePath(QStringLiteral("CARD")));
    START_CARD_OR_END_TEST(card);
    // The camera numbers its photos from 1 again in 101CANON.
    const char* const onCard[] = {"100CANON/IMG_0001.JPG", "100CANON/IMG_0002.JPG",
                                  "100CANON/IMG_0003.JPG", "101CANON/IMG_0001.JPG",
                                  "101CANON/IMG_0002.JPG"};
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(
            writePhoto(card.mountPoint() + QStringLiteral("/DCIM/") + QLatin1String(onCard[i]),
                       PhotoColours[i]));
    const QString classFolder = dir.filePath(QStringLiteral("c/A_IMAGE/CLASS_32"));
    ASSERT_TRUE(QDir().mkpath(classFolder));
    ASSERT_TRUE(startProgram(QFileInfo(media.path()).fileName())) << "no main window";
    ASSERT_TRUE(chooseClass32()) << "no class panel or no question after the class button";

    // Once the class is open the menu bar has more than two words; the
    // import is the second.
    const QImage opened =
        screenWhen([](const QImage& screen) { return menuWord(screen, 2).has_value(); });
    const std::optional<QPoint> importItem = menuWord(opened, 1);
    ASSERT_TRUE(menuWord(opened, 2)) << "the class did not open";
    ASSERT_TRUE(clickAt(*importItem));
    const QString folderNameWindow = newWindow({mainWindow});
    ASSERT_FALSE(folderNameWindow.isEmpty()) << "no import window";

    // Before anything is copied the window names the card and counts its photos.
    FolderNameWindow expected;
    control<QLabel>(expected, "photoDriveLine")
        ->setText(QStringLiteral("CARD に 5まい（あたらしい しゃしん 5まい）"));
    const QRect line = control<QLabel>(expected, "photoDriveLine")->geometry();
    const QImage wanted = expected.grab(line).toImage().convertToFormat(QImage::Format_RGB32);
    QImage shown;
    waitUntil([&] {
        shown = x.windowShot(folderNameWindow);
        return shown.copy(line) == wanted;
    });
    EXPECT_EQ(shown.copy(line), wanted)
        << "the import window does not name the card and its photos";
    // With no window manager the program gives its window the keyboard itself.
    EXPECT_EQ(x.run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")})
                  .value_or(QByteArray())
                  .trimmed(),
              folderNameWindow.toLatin1());

    const QPoint run = control<QPushButton>(expected, "runButton")->geometry().center();
    ASSERT_TRUE(xdotool({QStringLiteral("type"), QStringLiteral("ensoku")}));
    ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), folderNameWindow,
                         QStringLiteral("--sync"), QString::number(run.x()),
                         QString::number(run.y()), QStringLiteral("click"), QStringLiteral("1")}));
    ASSERT_TRUE(answerYes({mainWindow, folderNameWindow})) << "no question after じっこう";
    EXPECT_TRUE(waitUntil([&] { return x.visibleWindowsOf(program.processId()).size() == 1; }))
        << "the import window stayed open";

    // Stamped with the time of the import and numbered by camera folder, so
    // that 101CANON's photos come after 100CANON's.
    const QDir photos(classFolder + QStringLiteral("/IMG_0001_ensoku"));
    const QStringList files = photos.entryList(QDir::Files);
    QStringList arrived;
    for (const QString& name : files)
        arrived << name.section(u'_', 1);
    const char* const names[] = {"001_IMG_0001.JPG", "001_IMG_0002.JPG", "001_IMG_0003.JPG",
                                 "002_IMG_0001.JPG", "002_IMG_0002.JPG"};
    ASSERT_EQ(arrived.size(), 5) << arrived.join(u' ').toStdString();
    for (int i = 0; i < 5; ++i) {
        const QImage photo(photos.filePath(files.value(arrived.indexOf(QLatin1String(names[i])))));
        EXPECT_TRUE(!photo.isNull() && near(photo.pixelColor(320, 240), PhotoColours[i]))
            << names[i];
    }
    const QStringList index =
        readCp932Lines(classFolder + QStringLiteral("/IMGMAIN.TXT")).value_or(QStringList());
    ASSERT_EQ(index.size(), 1);
    EXPECT_TRUE(index[0].startsWith(QStringLiteral("ensoku,IMG_0001_ensoku,")) &&
                index[0].endsWith(QStringLiteral(" 5,")))
        << index[0].toStdString();
}

// A pupil presses Return at the delete question, then deletes for real; the
// trash window, reached from the menu, brings the folder back.
TEST_F(EndToEnd, ReturnKeepsTheFolderAndTheTrashBringsItBack) {
    ASSERT_TRUE(makeLibrary());
    const QString folder = QFileInfo(indexPath).path() + QStringLiteral("/IMG_0001_えんそく");
    ASSERT_TRUE(startProgram()) << "the main window did not appear";
    ASSERT_TRUE(chooseClass32()) << "no class panel or no question after the class button";
    std::optional<QPoint> panel;
    screenWhen([&](const QImage& screen) {
        return (panel = firstPixelOf(screen, ThumbnailPanel)).has_value();
    });
    ASSERT_TRUE(panel) << "the class did not open";
    // "けす" lies at (4, 668), 69 x 29, beside the panel at (204, 2).
    const QPoint deleteButton = *panel + QPoint(4 + 34 - 204, 668 + 14 - 2);

    ASSERT_TRUE(clickAt(deleteButton));
    ASSERT_TRUE(pressIn(newWindow({mainWindow}), {QStringLiteral("Return")}));
    ASSERT_TRUE(waitUntil([&] { return x.visibleWindowsOf(program.processId()).size() == 1; }))
        << "the question stayed";
    EXPECT_TRUE(QFileInfo(folder).isDir()) << "Return deleted the folder";

    // Tab takes the focus from いいえ to はい.
    ASSERT_TRUE(clickAt(deleteButton));
    ASSERT_TRUE(pressIn(newWindow({mainWindow}), {QStringLiteral("Tab"), QStringLiteral("space")}));
    ASSERT_TRUE(waitUntil([&] { return !QFileInfo::exists(folder); })) << "はい kept the folder";

    // The trash is the last entry of the photo menu, the fourth word.
    const std::optional<QPoint> editMenu = menuWord(x.screenshot(), 3);
    ASSERT_TRUE(editMenu && clickAt(*editMenu));
    ASSERT_TRUE(pressIn(mainWindow, {QStringLiteral("Up"), QStringLiteral("Return")}));
    const QString trash = newWindow({mainWindow});
    ASSERT_FALSE(trash.isEmpty()) << "no trash window";
    // The first item is current: space marks it, Tab reaches もとにもどす.
    ASSERT_TRUE(
        pressIn(trash, {QStringLiteral("space"), QStringLiteral("Tab"), QStringLiteral("space")}));
    EXPECT_TRUE(waitUntil([&] { return QFileInfo(folder).isDir(); }))
        << "the trash did not bring the folder back";
    EXPECT_TRUE(readCp932Lines(indexPath)
                    .value_or(QStringList())
                    .value(0)
                    .startsWith(QStringLiteral("えんそく,IMG_0001_えんそく,")));
}

// Only the keyboard: Tab to the class and Space, Return at the question; the
// page has the focus, so Space and → mark three photos; Alt opens the menu
// bar, → to "いんさつ", ↓ and Return print one photo a sheet.
TEST_F(EndToEnd, APupilMarksThreePhotosAndPrintsThemWithTheKeyboardAlone) {
    PrivateCups cups;
    if (!cups.failure().isEmpty())
        GTEST_SKIP() << "no private CUPS scheduler: " << cups.failure().toStdString();
    ASSERT_EQ(cups.addPdfQueue(), QString());
    ASSERT_TRUE(makeLibrary());
    ASSERT_TRUE(startProgram()) << "the main window did not appear";
    screenWhen([&](const QImage& screen) { return firstPixelOf(screen, ClassPanel).has_value(); });

    // The first class button has the focus; ３年２組 is the twelfth.
    ASSERT_TRUE(typeKeys(QStringList(11, QStringLiteral("Tab")) << QStringLiteral("space")));
    ASSERT_TRUE(answerYes({mainWindow})) << "no question after the class button";
    const auto barsAre = [&](const QImage& screen, const QColor& colour) {
        const std::optional<QPoint> panel = firstPixelOf(screen, ThumbnailPanel);
        if (!panel)
            return false;
        for (int c = 0; c < 3; ++c)
            if (screen.pixelColor(*panel + cell(c).barSample()) != colour)
                return false;
        return true;
    };
    const QImage opened = screenWhen([&](const QImage& screen) { return barsAre(screen, Yellow); });
    ASSERT_TRUE(barsAre(opened, Yellow)) << "the class did not open at its folder";

    ASSERT_TRUE(typeKeys({QStringLiteral("space"), QStringLiteral("Right"), QStringLiteral("space"),
                          QStringLiteral("Right"), QStringLiteral("space")}));
    const QImage marked = screenWhen([&](const QImage& screen) { return barsAre(screen, Blue); });
    ASSERT_TRUE(barsAre(marked, Blue)) << "the three photos were not marked";

    // おわり, フロッピーから取り込む, フロッピーへほぞん, しゃしんファイルのへんしゅう, いんさつ.
    ASSERT_TRUE(typeKeys({QStringLiteral("alt"), QStringLiteral("Right"), QStringLiteral("Right"),
                          QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Down"),
                          QStringLiteral("Return")}));
    ASSERT_TRUE(answerYes({mainWindow})) << "no question before printing";
    ASSERT_TRUE(cups.waitForJobsCompleted(DeadlineMs * 4)) << "the job did not complete";
    const QStringList pdfs = cups.writtenPdfs();
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(u' ').toStdString();
    EXPECT_EQ(pdfPageCount(pdfs[0]), 3);
}

} // namespace

// The school's server stops answering while a pupil saves to the database on
// it: the window goes on drawing itself, and the pupil is told once the save
// fails.
TEST_F(EndToEnd, ADatabaseSaveWhileTheServerIsStoppedLeavesTheWindowDrawingAndTellsTheFailure) {
    SmbShare share;
    if (!share.start())
        GTEST_SKIP() << "no Windows share here: " << share.skipReason().toStdString();
    ASSERT_TRUE(QDir().mkpath(share.servedFolder() + QStringLiteral("/Adb_image")));
    QFile drives(QFileInfo(programPath).dir().filePath(QStringLiteral("DRIVES.TXT")));
    ASSERT_TRUE(drives.open(QIODevice::Append));
    drives.write(QStringLiteral("D: %1\n").arg(share.shareFolder()).toUtf8());
    drives.close();
    ASSERT_TRUE(writeCp932Lines(
        QFileInfo(programPath).dir().filePath(QStringLiteral("DRVDATA.TXT")),
        {QStringLiteral("A:\\"), QStringLiteral("C:\\A_IMAGE\\"), QString(),
         QStringLiteral("学校利用"), QStringLiteral(" 999 "), QStringLiteral("D:\\Adb_image\\")}));
    ASSERT_TRUE(makeLibrary());
    ASSERT_TRUE(startProgram()) << "the main window did not appear";
    ASSERT_TRUE(chooseClass32());
    std::optional<QPoint> panel;
    screenWhen([&](const QImage& screen) {
        return (panel = firstPixelOf(screen, ThumbnailPanel)).has_value();
    });
    ASSERT_TRUE(panel);

    // "ﾃﾞｰﾀﾍﾞｰｽに保存する" at (8, 4) of the thumbnail panel, 201 x 33.
    ASSERT_TRUE(clickAt(*panel + QPoint(8 + 100, 4 + 16)));
    const QString question = newWindow({mainWindow});
    ASSERT_FALSE(question.isEmpty());
    share.stopServer();
    ASSERT_TRUE(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question,
                         QStringLiteral("key"), QStringLiteral("Return")}));
    ASSERT_TRUE(
        waitUntil([&] { return !x.visibleWindowsOf(program.processId()).contains(question); }));

    // Hidden and shown again, the window must draw itself anew.
    ASSERT_TRUE(xdotool({QStringLiteral("windowunmap"), QStringLiteral("--sync"), mainWindow}));
    ASSERT_TRUE(xdotool({QStringLiteral("windowmap"), QStringLiteral("--sync"), mainWindow}));
    EXPECT_TRUE(waitUntil(
        [&] {
            const QImage screen = x.screenshot();
            return !screen.isNull() && firstPixelOf(screen, ThumbnailPanel).has_value();
        },
        1000))
        << "the window was not drawn again within a second";

    share.killServer();
    EXPECT_FALSE(newWindow({mainWindow}).isEmpty()) << "the pupil was not told";
}
