// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/bench_program.h"

#include "core/files/drive_map.h"
#include "ui/widgets/fonts.h"

#include <QElapsedTimer>

namespace {

int& offscreenUnlessChosen(int& argc) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

} // namespace

BenchApplication::BenchApplication(int& argc, char** argv)
    : QApplication(offscreenUnlessChosen(argc), argv) {
    installFontSubstitutions();
}

BenchProgram::BenchProgram(const QString& driveRoot, const QString& cacheRoot,
                           PrinterService* printer)
    : files(DriveMap(driveRoot)), thumbnails(ThumbnailLoader::DefaultCacheBytes, cacheRoot),
      services{messages, screen, clock,      files,
               dialogs,  modals, thumbnails, printer ? *printer : recorder,
               clipboard},
      form(state, services), view(form.view()), program{state, services, view} {
    form.load();
}

void prepareImport(ProgramState& state, const FileSystem& files, const QString& classFolder) {
    state.openClass.ClassFolder = classFolder;
    state.settings.PhotoDrivePath = QStringLiteral("A:\\");
    state.FolderNameWindowMode = FolderNameMode::Import;
    files.makeDirectory(classFolder);
}

double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}
