// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/app_context.h"
#include "core/commands/main_view.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "support/recording_printer.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/qt_clipboard.h"
#include "ui/widgets/qt_file_dialogs.h"
#include "ui/widgets/qt_modal_runner.h"

#include <QApplication>
#include <QElapsedTimer>

// A benchmark's application: offscreen unless QT_QPA_PLATFORM says
// otherwise, with the fonts the program uses.
class BenchApplication : public QApplication {
public:
    BenchApplication(int& argc, char** argv);
};

// Every question is answered yes and nothing is shown, so that no box waits
// for a click in the middle of a measurement.
class YesMessages : public MessageService {
public:
    void inform(const QString&) override {}
    bool askYesNo(const QString&, QuestionDefault) override { return true; }
    void beep() override {}
};

class BenchScreen : public ScreenService {
public:
    int widthPx() const override { return 1024; }
    int heightPx() const override { return 768; }
};

// One start of the program on drives under driveRoot with the desktop's own
// services and a loaded main window. An empty cacheRoot keeps no disk cache
// of thumbnails; sheets go to printer when one is given, else to a recorder.
struct BenchProgram {
    explicit BenchProgram(const QString& driveRoot, const QString& cacheRoot = {},
                          PrinterService* printer = nullptr);

    FileSystem files;
    YesMessages messages;
    BenchScreen screen;
    SystemClock clock;
    QtFileDialogs dialogs;
    QtModalRunner modals;
    ThumbnailLoader thumbnails;
    RecordingPrinter recorder;
    QtClipboard clipboard;
    Services services;
    ProgramState state;
    MainWindow form;
    MainView& view;
    AppContext program;
};

// The state as the import window leaves it for an import from the photo
// drive into classFolder, which is made.
void prepareImport(ProgramState& state, const FileSystem& files, const QString& classFolder);

double msSince(const QElapsedTimer& timer);
