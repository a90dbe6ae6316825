// SPDX-License-Identifier: GPL-3.0-or-later
// Prints 18 marked 4000 x 3000 photos at 18 to a sheet into a PDF file: the
// real print command, which decodes each photo at its cell's size at 300 dpi,
// beside the same job with every photo decoded at full size. Each job runs in
// a process of its own, so the peak memory belongs to that job alone.

#include "core/commands/app_context.h"
#include "core/commands/print_photo_sheets.h"
#include "core/commands/sheet_printer.h"
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "core/geometry/sheet_layout.h"
#include "core/imaging/bitmap_file.h"
#include "core/imaging/pdf_printer.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "support/scripted_services.h"
#include "support/test_photos.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_view.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Photos = 18;

long peakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void makePhotos(const QString& folder) {
    TestJpegOptions options;
    options.noise = true;
    for (int i = 1; i <= Photos; ++i)
        writeTestJpeg(
            QDir(folder).filePath(QStringLiteral("P%1.JPG").arg(i, 2, 10, QLatin1Char('0'))),
            {4000, 3000}, options);
}

// Runs this program again for one step. A program started by exec inherits
// the peak memory of the process it replaces, so every step that uses much
// memory runs in a child of this small parent.
void runStep(const QString& self, const QString& step, const QString& folder) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(self, {step, folder});
    child.waitForFinished(-1);
}

struct Job {
    Job(const QString& photoFolder, const QString& pdfPath)
        : files(DriveMap(QDir::tempPath())),
          pdf(pdfPath), services{messages, screen,     clock, files,    dialogs,
                                 modals,   thumbnails, pdf,   clipboard},
          form(state, services), view(state, services, form), program{state, services, view} {
        form.load();
        state.screen.ThumbColumns = 5;
        const QStringList names = QDir(photoFolder).entryList({"*.JPG"}, QDir::Files, QDir::Name);
        for (int i = 0; i < names.size(); ++i) {
            state.folder.PhotoPaths[i + 1] = files.drivePath(QDir(photoFolder).filePath(names[i]));
            state.folder.PhotoMarks[i + 1] = 1;
        }
        state.folder.PhotoCount = int(names.size());
    }

    void printAtCellSize() {
        messages.answers = {true};
        printPhotoSheets(program, eighteenToASheet());
    }

    // The same sheet with every photo decoded whole and passed on as a
    // full-size bitmap.
    void printAtFullSize() {
        const SheetLayout& layout = eighteenToASheet();
        const QString bitmap = QDir(pdf.scratchFolder()).filePath(QStringLiteral("PRIMG.BMP"));
        SheetPrinter control(pdf);
        control.beginJob();
        for (int p = 1; p <= state.folder.PhotoCount; ++p) {
            saveBitmap(decodePhoto(files.hostPath(state.folder.PhotoPaths[p])), bitmap);
            const CellEdges cell =
                cellEdges(layout, p, control.sheetWidth(), control.sheetHeight());
            control.setDrawLeft(cell.Left);
            control.setDrawTop(cell.Top);
            control.setDrawRight(cell.Right);
            control.setDrawBottom(cell.Bottom);
            control.setPicture(loadBitmap(bitmap));
        }
        removeBitmap(bitmap);
        control.endJob();
    }

    FileSystem files;
    PdfPrinter pdf;
    ScriptedMessages messages;
    FixedScreen screen;
    FixedClock clock;
    ScriptedFileDialogs dialogs;
    ScriptedModals modals;
    ThumbnailLoader thumbnails;
    RecordingClipboard clipboard;
    Services services;
    ProgramState state;
    MainWindow form;
    MainWindowView view;
    AppContext program;
};

int runJob(const QString& mode, const QString& photoFolder) {
    QTemporaryDir out;
    const QString pdfPath = out.filePath(QStringLiteral("sheets.pdf"));
    Job job(photoFolder, pdfPath);
    const long idle = peakKb();
    QElapsedTimer timer;
    timer.start();
    if (mode == QStringLiteral("full"))
        job.printAtFullSize();
    else
        job.printAtCellSize();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-28s %8.2f s  peak %7.1f MB (%.1f MB before the job)  PDF %6.1f MB\n",
                mode == QStringLiteral("full") ? "decoded at full size" : "decoded at cell size",
                seconds, peakKb() / 1024.0, idle / 1024.0, QFileInfo(pdfPath).size() / 1048576.0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("make")) {
        makePhotos(arguments[2]);
        return 0;
    }
    if (arguments.size() == 3)
        return runJob(arguments[1], arguments[2]);

    QTemporaryDir photos;
    std::printf("making %d photos of 4000 x 3000 ...\n", Photos);
    std::fflush(stdout);
    runStep(app.applicationFilePath(), QStringLiteral("make"), photos.path());
    std::printf("18 marked photos at 18 per sheet into a PDF file (peak: getrusage)\n");
    std::fflush(stdout);
    for (const char* mode : {"cell", "full"})
        runStep(app.applicationFilePath(), QString::fromLatin1(mode), photos.path());
    return 0;
}
