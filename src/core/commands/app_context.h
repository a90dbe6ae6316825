// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/main_view.h"
#include "core/library/library_context.h"

struct ProgramState;
struct Services;

// What every command works on: the one state, the machine's services and the
// main window as far as the commands show things in it.
struct AppContext {
    ProgramState& state;
    Services& services;
    MainView& view;

    // The program as the library's routines see it.
    operator LibraryContext() const { return {state, services, view}; }
};
