// Times the thumbnail page, the program's hot path, on photo-like JPEGs it
// makes itself: the naive page (every photo decoded at full size, then
// stretched, on one thread) against the real DrawThumbnailPage cold and warm,
// and the memory a cold page of 24-megapixel photos needs.

#include "browser/thumbnail_page.h"
#include "main_window/form1.h"
#include "main_window/program.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/drive_map.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/fonts.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/picture_box.h"
#include "platform/screen_service.h"
#include "platform/services.h"
#include "platform/thumbnail_loader.h"
#include "state/program_state.h"
#include "support/recording_printer.h"
#include "support/test_photos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int PagePhotos = 25;

class BenchScreen : public ScreenService {
public:
    int widthPx() const override { return 1024; }
    int heightPx() const override { return 768; }
};

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

QStringList makePhotoSet(FileSystem& files, const QString& folder, QSize size,
                         const TestJpegOptions& options) {
    files.makeDirectory(folder);
    QStringList paths;
    for (int i = 1; i <= PagePhotos; ++i) {
        const QString path = folder + QStringLiteral("\\P%1.JPG").arg(i, 2, 10, QLatin1Char('0'));
        writeTestJpeg(files.hostPath(path), size, options);
        paths << path;
    }
    return paths;
}

struct Bench {
    Bench()
        : files(DriveMap(root.path())), services{messages, screen,     clock,   files,    dialogs,
                                                 modals,   thumbnails, printer, clipboard},
          form(state, services), program{state, form, services} {
        form.load();
        state.ThumbColumns = 5;
    }

    void show(const QStringList& paths) {
        state.PhotoCount = int(paths.size());
        for (int i = 0; i < paths.size(); ++i)
            state.PhotoPaths[i + 1] = paths[i];
        state.ThumbTopRow = 0;
    }

    double timePage() {
        QElapsedTimer timer;
        timer.start();
        DrawThumbnailPage(program);
        return timer.nsecsElapsed() / 1e6;
    }

    // Every photo decoded whole on this thread and stretched into its cell.
    double timeNaivePage(const QStringList& paths) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < paths.size(); ++i) {
            QImageReader reader(files.hostPath(paths[i]));
            reader.setAutoTransform(true);
            const QImage photo = reader.read();
            const QRect cell((i % 5) * 154 + 5, (i / 5) * 132 + 58, 144, 108);
            form.Picture1->stretchFrom(photo, photo.rect(), cell);
        }
        return timer.nsecsElapsed() / 1e6;
    }

    QTemporaryDir root;
    FileSystem files;
    QtMessageService messages;
    BenchScreen screen;
    SystemClock clock;
    QtFileDialogs dialogs;
    QtModalRunner modals;
    ThumbnailLoader thumbnails;
    RecordingPrinter printer;
    QtClipboard clipboard;
    Services services;
    ProgramState state;
    Form1 form;
    Program program;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    Bench bench;

    std::printf("making photos (25 of 4000x3000 without and with a 160x120 EXIF thumbnail, "
                "25 of 6000x4000)...\n");
    std::fflush(stdout);
    TestJpegOptions plain;
    plain.noise = true;
    plain.quality = 90;
    TestJpegOptions withThumbnail = plain;
    withThumbnail.exifThumbnail = QSize(160, 120);
    const QStringList twelve =
        makePhotoSet(bench.files, QStringLiteral("C:\\plain"), {4000, 3000}, plain);
    const QStringList embedded =
        makePhotoSet(bench.files, QStringLiteral("C:\\embedded"), {4000, 3000}, withThumbnail);
    const QStringList large =
        makePhotoSet(bench.files, QStringLiteral("C:\\large"), {6000, 4000}, plain);

    const double naive = bench.timeNaivePage(twelve);

    bench.thumbnails.clearCache();
    bench.show(twelve);
    const double cold = bench.timePage();

    bench.thumbnails.clearCache();
    bench.show(embedded);
    const double coldEmbedded = bench.timePage();
    const double warm = bench.timePage();

    bench.thumbnails.clearCache();
    bench.show(large);
    const long idleKb = statusKb("VmRSS:");
    resetPeakMemory();
    const double coldLarge = bench.timePage();
    const long peakKb = statusKb("VmHWM:");

    std::printf("page of 25 photos, large grid (144 x 108), 2 cores\n");
    std::printf("  naive page, 12 MP, full decode on one thread : %8.1f ms\n", naive);
    std::printf("  cold page, 12 MP, no EXIF thumbnail          : %8.1f ms  (%.1fx faster)\n", cold,
                naive / cold);
    std::printf("  cold page, 12 MP, EXIF thumbnails            : %8.1f ms  (%.0fx faster)\n",
                coldEmbedded, naive / coldEmbedded);
    std::printf("  warm page (cached)                           : %8.2f ms\n", warm);
    std::printf("  cold page, 24 MP, no EXIF thumbnail          : %8.1f ms\n", coldLarge);
    std::printf("  memory above idle for the 24 MP page         : %8.1f MB (peak %ld kB, idle "
                "%ld kB)\n",
                (peakKb - idleKb) / 1024.0, peakKb, idleKb);
    return 0;
}
