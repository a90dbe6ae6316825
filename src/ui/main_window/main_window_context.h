// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct MainWindowControls;
struct ProgramState;
struct Services;

// What the main window's drawing works on: the state it shows, the services
// that load its thumbnails, and the window's controls.
struct MainWindowContext {
    ProgramState& state;
    Services& services;
    MainWindowControls& controls;
};
