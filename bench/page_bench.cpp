// SPDX-License-Identifier: GPL-3.0-or-later
// Times the thumbnail page, the program's hot path, on photo-like JPEGs it
// makes itself: the floor (the photos decoded at cell size on the loader's
// threads, nothing drawn) against the real drawThumbnailPage cold, after a
// restart with the shared thumbnail cache filled, on the next page once the
// background has made it, and on the first page after an import; and the
// memory a cold page of 24-megapixel photos needs with and without the cache,
// each measured in a process of its own started afresh from this one. Then
// the same for tablets' HEIC photos: with their embedded thumbnails, and
// without them beside libheif's own decoding of the files on two threads.

#include "core/commands/app_context.h"
#include "core/commands/folder_import.h"
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/library_paths.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "support/recording_printer.h"
#include "support/test_photos.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_view.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/qt_clipboard.h"
#include "ui/widgets/qt_file_dialogs.h"
#include "ui/widgets/qt_modal_runner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFuture>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <cstdio>
#include <libheif/heif.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int PagePhotos = 25;
constexpr int IdleWaitMs = 120000;
const char* const MemoryOption = "--memory-of-page";

class BenchScreen : public ScreenService {
public:
    int widthPx() const override { return 1024; }
    int heightPx() const override { return 768; }
};

// The import's question is answered Yes; nothing else is asked.
class YesMessages : public MessageService {
public:
    void inform(const QString&) override {}
    bool askYesNo(const QString&, QuestionDefault) override { return true; }
    void beep() override {}
};

double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

// A status figure of this process from /proc/self/status, in kB.
long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Lets the peak resident size start again from the current size.
void resetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

QStringList photoSetPaths(const QString& folder, int count) {
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << folder + QStringLiteral("\\P%1.JPG").arg(i, 3, 10, QLatin1Char('0'));
    return paths;
}

// HEVC encodes slowly, so a few photos are encoded and the rest are copies
// of them under names of their own.
QStringList makeHeicSet(const FileSystem& files, const QString& folder, QSize size,
                        const TestHeicOptions& options) {
    constexpr int Distinct = 3;
    files.makeDirectory(folder);
    QStringList paths;
    for (int i = 1; i <= PagePhotos; ++i) {
        paths << folder + QStringLiteral("\\H%1.HEIC").arg(i, 3, 10, QLatin1Char('0'));
        if (i <= Distinct)
            writeTestHeic(files.hostPath(paths.last()), size, options);
        else
            QFile::copy(files.hostPath(paths[(i - 1) % Distinct]), files.hostPath(paths.last()));
    }
    return paths;
}

// libheif's own decoding of each whole photo, on two threads: what a page of
// HEIC photos without embedded thumbnails cannot go below.
double timeHeicFloor(const FileSystem& files, const QStringList& paths) {
    QThreadPool pool;
    pool.setMaxThreadCount(2);
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : paths) {
        pool.start([host = QFile::encodeName(files.hostPath(path))] {
            heif_context* context = heif_context_alloc();
            heif_image_handle* handle = nullptr;
            heif_image* image = nullptr;
            if (heif_context_read_from_file(context, host.constData(), nullptr).code ==
                    heif_error_Ok &&
                heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok)
                heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                                  nullptr);
            heif_image_release(image);
            heif_image_handle_release(handle);
            heif_context_free(context);
        });
    }
    pool.waitForDone();
    return msSince(timer);
}

QStringList makePhotoSet(const FileSystem& files, const QString& folder, int count, QSize size,
                         const TestJpegOptions& options) {
    files.makeDirectory(folder);
    const QStringList paths = photoSetPaths(folder, count);
    for (const QString& path : paths)
        writeTestJpeg(files.hostPath(path), size, options);
    return paths;
}

// One start of the program on the bench's drives: a fresh state and window,
// and a loader whose memory is empty. An empty cacheRoot keeps no disk cache.
struct Session {
    Session(const QString& driveRoot, const QString& cacheRoot)
        : files(DriveMap(driveRoot)), thumbnails(ThumbnailLoader::DefaultCacheBytes, cacheRoot),
          services{messages, screen, clock, files, dialogs, modals, thumbnails, printer, clipboard},
          form(state, services), view(state, services, form), program{state, services, view} {
        form.load();
        state.screen.ThumbColumns = 5;
    }

    void show(const QStringList& paths, int topRow = 0) {
        state.folder.PhotoCount = int(paths.size());
        for (int i = 0; i < paths.size(); ++i)
            state.folder.PhotoPaths[i + 1] = paths[i];
        state.folder.ThumbTopRow = topRow;
    }

    double timePage() {
        QElapsedTimer timer;
        timer.start();
        view.drawThumbnailPage();
        return msSince(timer);
    }

    void waitForBackground() { thumbnails.waitForIdle(IdleWaitMs); }

    FileSystem files;
    YesMessages messages;
    BenchScreen screen;
    SystemClock clock;
    QtFileDialogs dialogs;
    QtModalRunner modals;
    ThumbnailLoader thumbnails;
    RecordingPrinter printer;
    QtClipboard clipboard;
    Services services;
    ProgramState state;
    MainWindow form;
    MainWindowView view;
    AppContext program;
};

// Every photo decoded whole on this thread and stretched into its cell.
double timeNaivePage(Session& session, const QStringList& paths) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < paths.size(); ++i) {
        QImageReader reader(session.files.hostPath(paths[i]));
        reader.setAutoTransform(true);
        const QImage photo = reader.read();
        const QRect cell((i % 5) * 154 + 5, (i / 5) * 132 + 58, 144, 108);
        session.form.thumbnailPanel->stretchFrom(photo, photo.rect(), cell);
    }
    return msSince(timer);
}

// The least any page can cost: each photo decoded straight to its cell size
// on two threads, as the loader has, and nothing drawn.
double timeFloor(const FileSystem& files, const QStringList& paths) {
    QThreadPool pool;
    pool.setMaxThreadCount(2);
    QElapsedTimer timer;
    timer.start();
    std::vector<QFuture<QImage>> decoded;
    for (const QString& path : paths) {
        decoded.push_back(QtConcurrent::run(&pool, [host = files.hostPath(path)] {
            QImageReader reader(host);
            reader.setScaledSize(QSize(144, 108));
            return reader.read();
        }));
    }
    for (QFuture<QImage>& image : decoded)
        image.waitForFinished();
    return msSince(timer);
}

// What the import is held against: the whole photo drive copied with cp and
// on the disk. Writes left over from before are flushed first, so neither
// this nor the import pays for them.
double timeCopyAndSync(const FileSystem& files, const QString& drive, const QString& target) {
    ::sync();
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(QStringLiteral("cp"),
                      {QStringLiteral("-r"), files.hostPath(drive), files.hostPath(target)});
    ::sync();
    return msSince(timer);
}

struct ImportTimes {
    double whole = 0;     // the command, from the question to the page drawn
    double ended = 0;     // from the question to the last step shown: photos and thumbnails in
    double firstPage = 0; // from the import's end to its page drawn
};

ImportTimes timeImport(Session& session, const QString& classFolder) {
    ProgramState& state = session.state;
    state.openClass.ClassFolder = classFolder;
    state.settings.PhotoDrivePath = QStringLiteral("A:\\");
    state.FolderNameWindowMode = FolderNameMode::Import;
    session.files.makeDirectory(classFolder);
    ::sync();
    QElapsedTimer timer;
    timer.start();
    double ended = 0;
    importMakeOrRenameFolder(session.program, QStringLiteral("bench"), [&](int done, int found) {
        if (done == found)
            ended = msSince(timer);
    });
    const double whole = msSince(timer);
    return {whole, ended, whole - ended};
}

// In a process of its own, so that neither the photos made nor the pages
// drawn before have grown its heap: the cold page of the photos in folder.
int printMemoryAboveIdle(const QString& driveRoot, const QString& cacheRoot,
                         const QString& folder) {
    Session session(driveRoot, cacheRoot);
    session.show(photoSetPaths(folder, PagePhotos));
    const long idleKb = statusKb("VmRSS:");
    resetPeakMemory();
    session.timePage();
    session.waitForBackground();
    std::printf("%.1f\n", (statusKb("VmHWM:") - idleKb) / 1024.0);
    return 0;
}

double memoryAboveIdleMb(const QString& driveRoot, const QString& cacheRoot,
                         const QString& folder) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(MemoryOption), driveRoot, cacheRoot, folder});
    if (!child.waitForFinished(IdleWaitMs) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments[1] == QLatin1String(MemoryOption))
        return printMemoryAboveIdle(arguments[2], arguments[3], arguments[4]);
    QTemporaryDir work;
    const QString drives = work.filePath(QStringLiteral("drives"));
    const QString cache = work.filePath(QStringLiteral("cache/thumbnails"));

    std::printf("making photos (50 + 25 of 4000x3000 without and 25 with a 160x120 EXIF "
                "thumbnail, 25 of 6000x4000)...\n");
    std::fflush(stdout);
    TestJpegOptions plain;
    plain.noise = true;
    plain.quality = 90;
    TestJpegOptions withThumbnail = plain;
    withThumbnail.exifThumbnail = QSize(160, 120);
    const QString largeFolder = QStringLiteral("C:\\large");
    QStringList twelve, embedded;
    {
        const FileSystem files{DriveMap(drives)};
        twelve =
            makePhotoSet(files, QStringLiteral("C:\\plain"), 2 * PagePhotos, {4000, 3000}, plain);
        embedded = makePhotoSet(files, QStringLiteral("C:\\embedded"), PagePhotos, {4000, 3000},
                                withThumbnail);
        makePhotoSet(files, largeFolder, PagePhotos, {6000, 4000}, plain);
        makePhotoSet(files, QStringLiteral("A:"), PagePhotos, {4000, 3000}, plain);
    }
    ::sync();

    auto session = std::make_unique<Session>(drives, cache);
    const double naive = timeNaivePage(*session, twelve.mid(0, PagePhotos));
    const double floor = timeFloor(session->files, twelve.mid(0, PagePhotos));

    session->show(twelve);
    const double cold = session->timePage();
    session->waitForBackground();
    session->show(twelve, 5);
    const double next = session->timePage();

    session = std::make_unique<Session>(drives, cache);
    session->show(twelve);
    const double restart = session->timePage();
    const double warm = session->timePage();
    session->waitForBackground();

    session->show(embedded);
    const double coldEmbedded = session->timePage();
    session->waitForBackground();

    const double copyAndSync =
        timeCopyAndSync(session->files, QStringLiteral("A:\\"), QStringLiteral("C:\\cp_copy"));
    const ImportTimes import = timeImport(*session, QStringLiteral("C:\\CLASS_11"));
    const double pageAfterImport = session->timePage();
    session->waitForBackground();
    session.reset();

    const double memoryWithout = memoryAboveIdleMb(drives, QString(), largeFolder);
    const double memoryWith = memoryAboveIdleMb(drives, cache, largeFolder);

    std::printf("making HEIC photos (25 of 4000x3000 with a 320x240 thumbnail, 25 without)...\n");
    std::fflush(stdout);
    QStringList heicEmbedded, heicPlain;
    {
        const FileSystem files{DriveMap(drives)};
        heicEmbedded = makeHeicSet(files, QStringLiteral("C:\\heic_embedded"), {4000, 3000},
                                   {.thumbnail = {320, 240}, .noise = true});
        heicPlain =
            makeHeicSet(files, QStringLiteral("C:\\heic_plain"), {4000, 3000}, {.noise = true});
    }
    ::sync();
    session = std::make_unique<Session>(drives, cache);
    session->show(heicEmbedded);
    const double heicColdEmbedded = session->timePage();
    session->waitForBackground();
    const double heicFloor = timeHeicFloor(session->files, heicPlain);
    session->show(heicPlain);
    const double heicCold = session->timePage();
    session->waitForBackground();
    session = std::make_unique<Session>(drives, cache);
    session->show(heicPlain);
    const double heicRestart = session->timePage();
    session.reset();

    std::printf("page of 25 photos, large grid (144 x 108), 2 cores\n");
    std::printf("  naive page, 12 MP, full decode on one thread   : %8.1f ms\n", naive);
    std::printf("  floor, 12 MP, scaled decode on 2 threads       : %8.1f ms\n", floor);
    std::printf("  cold page, 12 MP, no EXIF thumbnail            : %8.1f ms  (%.2f x floor)\n",
                cold, cold / floor);
    std::printf("  page after a restart (disk cache filled)       : %8.1f ms\n", restart);
    std::printf("  same page again (memory cache)                 : %8.2f ms\n", warm);
    std::printf("  next page after the background made it         : %8.2f ms\n", next);
    std::printf("  cold page, 12 MP, EXIF thumbnails              : %8.1f ms\n", coldEmbedded);
    std::printf("  import of 25 photos of 12 MP, to its end       : %8.1f ms  (%.2f x cp -r + "
                "sync, %.1f ms)\n",
                import.ended, import.ended / copyAndSync, copyAndSync);
    std::printf("  first page after the import (end to drawn)     : %8.2f ms\n", import.firstPage);
    std::printf("  import with its first page                     : %8.1f ms\n", import.whole);
    std::printf("  that page drawn again                          : %8.2f ms\n", pageAfterImport);
    std::printf("  memory above idle, 24 MP page, disk cache      : %8.1f MB\n", memoryWith);
    std::printf("  memory above idle, 24 MP page, memory only     : %8.1f MB\n", memoryWithout);
    std::printf("page of 25 HEIC photos of 12 MP, large grid, 2 cores\n");
    std::printf("  cold page, embedded thumbnails (goal 30 ms)    : %8.1f ms\n", heicColdEmbedded);
    std::printf("  HEIC floor, libheif decode on 2 threads        : %8.1f ms\n", heicFloor);
    std::printf("  cold page, no embedded thumbnail (goal 1.2 x)  : %8.1f ms  (%.2f x floor)\n",
                heicCold, heicCold / heicFloor);
    std::printf("  that page after a restart (disk cache filled)  : %8.1f ms\n", heicRestart);
    return 0;
}
