#pragma once

struct Program;

// Fills the state with its first values, loads the main window and opens what
// the settings ask for. The window is left for the caller to show.
void startUp(Program& program);
