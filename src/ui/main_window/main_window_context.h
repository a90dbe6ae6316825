// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainWindow;
struct ProgramState;
struct Services;

// What the main window's drawing works on: the state it shows, the services
// that load its thumbnails, and the window.
struct MainWindowContext {
    ProgramState& state;
    Services& services;
    MainWindow& window;
};
