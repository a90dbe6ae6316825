#pragma once

#include "browser/main_window_view.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/program_files.h"
#include "platform/services.h"
#include "platform/thumbnail_loader.h"
#include "platform_gui/qt_clipboard.h"
#include "platform_gui/qt_file_dialogs.h"
#include "platform_gui/qt_message_service.h"
#include "platform_gui/qt_modal_runner.h"
#include "platform_gui/qt_screen_service.h"
#include "platform_gui/system_printer.h"
#include "state/program_state.h"

// The running program: the machine's real services, the one program state and
// the main window. Constructing it starts the program up; the window is shown
// by the caller.
class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Form1& mainWindow() { return m_form; }
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
    Form1 m_form;
    MainWindowView m_view;
    AppContext m_program;
};
