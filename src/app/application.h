// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/app_context.h"
#include "core/files/file_system.h"
#include "core/files/program_files.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/services/clock.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/qt_clipboard.h"
#include "ui/widgets/qt_file_dialogs.h"
#include "ui/widgets/qt_message_service.h"
#include "ui/widgets/qt_modal_runner.h"
#include "ui/widgets/qt_screen_service.h"
#include "ui/widgets/system_printer.h"

// The running program: the machine's real services, the one program state and
// the main window. Constructing it starts the program up; the window is shown
// by the caller.
class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    MainWindow& mainWindow() { return m_form; }
    AppContext& program() { return m_program; }

private:
    ProgramFiles m_places;
    QtMessageService m_messages;
    QtScreenService m_screen;
    SystemClock m_clock;
    FileSystem m_files;
    QtFileDialogs m_dialogs;
    QtModalRunner m_modals;
    ThumbnailLoader m_thumbnails;
    SystemPrinter m_printer;
    QtClipboard m_clipboard;
    Services m_services;
    ProgramState m_state;
    MainWindow m_form;
    AppContext m_program;
};
