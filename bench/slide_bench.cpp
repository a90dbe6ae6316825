// SPDX-License-Identifier: GPL-3.0-or-later
// Times a step of the slide show on a 1024 x 768 screen through 20 slides of
// 12-megapixel photos it makes itself: the naive step (the photo decoded at
// full size, then stretched onto the slide) against the real show, which
// decodes at the drawn size and makes the next slide while one is shown.

#include "core/commands/app_context.h"
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/services/clock.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "support/recording_printer.h"
#include "support/test_photos.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_view.h"
#include "ui/slide_show_window/slide_show.h"
#include "ui/slide_show_window/slide_show_window.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/qt_clipboard.h"
#include "ui/widgets/qt_file_dialogs.h"
#include "ui/widgets/qt_message_service.h"
#include "ui/widgets/qt_modal_runner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Slides = 20;
// How long a pupil looks at a slide before the next step.
constexpr int ViewingMs = 1500;

class BenchScreen : public ScreenService {
public:
    int widthPx() const override { return 1024; }
    int heightPx() const override { return 768; }
};

struct Figures {
    double mean = 0;
    double worst = 0;
};

Figures figuresOf(const std::vector<double>& times) {
    Figures figures;
    for (double t : times) {
        figures.mean += t / times.size();
        figures.worst = std::max(figures.worst, t);
    }
    return figures;
}

struct Bench {
    Bench()
        : files(DriveMap(root.path())), services{messages, screen,     clock,   files,    dialogs,
                                                 modals,   thumbnails, printer, clipboard},
          form(state, services), view(state, services, form), program{state, services, view} {
        form.load();
    }

    void makePhotos() {
        TestJpegOptions options;
        options.noise = true;
        files.makeDirectory(QStringLiteral("C:\\show"));
        for (int i = 1; i <= Slides; ++i) {
            const QString path =
                QStringLiteral("C:\\show\\P%1.JPG").arg(i, 2, 10, QLatin1Char('0'));
            writeTestJpeg(files.hostPath(path), {4000, 3000}, options);
            state.folder.PhotoPaths[i] = path;
            state.folder.PhotoMarks[i] = 1;
        }
        state.folder.PhotoCount = Slides;
    }

    // Every photo decoded whole on this thread and stretched onto the slide.
    std::vector<double> naiveSteps() {
        PictureBox slide;
        slide.resize(900, 670);
        std::vector<double> times;
        for (int i = 2; i <= Slides; ++i) {
            QElapsedTimer timer;
            timer.start();
            const QImage photo = decodePhoto(files.hostPath(state.folder.PhotoPaths[i]));
            slide.stretchFrom(photo, photo.rect(), QRect(0, 0, 900, 694));
            slide.refreshNow();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        return times;
    }

    // The show's own steps, with viewingMs between one step and the next.
    std::vector<double> showSteps(int viewingMs) {
        show.start();
        std::vector<double> times;
        for (int i = 2; i <= Slides; ++i) {
            QThread::msleep(viewingMs);
            QElapsedTimer timer;
            timer.start();
            show.window().stepButtons[1]->click();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        show.window().hide();
        return times;
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
    MainWindow form;
    MainWindowView view;
    AppContext program;
    SlideShow show{program, form};
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    Bench bench;

    std::printf("making %d photos of 4000x3000...\n", Slides);
    std::fflush(stdout);
    bench.makePhotos();

    const Figures naive = figuresOf(bench.naiveSteps());
    const Figures viewed = figuresOf(bench.showSteps(ViewingMs));
    const Figures rushed = figuresOf(bench.showSteps(0));

    std::printf("slide show of %d photos of 12 MP, 1024 x 768 screen (slide 900 x 694), %d steps\n",
                Slides, Slides - 1);
    std::printf("  naive step, full decode and stretch      : mean %7.1f ms, worst %7.1f ms\n",
                naive.mean, naive.worst);
    std::printf("  show step, %4d ms on each slide          : mean %7.1f ms, worst %7.1f ms  "
                "(%.1fx faster)\n",
                ViewingMs, viewed.mean, viewed.worst, naive.mean / viewed.mean);
    std::printf("  show step, steps back to back            : mean %7.1f ms, worst %7.1f ms  "
                "(%.1fx faster)\n",
                rushed.mean, rushed.worst, naive.mean / rushed.mean);
    return 0;
}
