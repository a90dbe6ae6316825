#pragma once

#include "core/library/library_context.h"

class MainWindow;
struct ProgramState;
struct Services;

// What every routine and handler works on: the one state, the main window and
// the machine's services.
struct AppContext {
    ProgramState& state;
    MainWindow& form;
    Services& services;
    FolderView& view;

    // The program as the library's routines see it.
    operator LibraryContext() const { return {state, services, view}; }
};
