#pragma once

#include "state/program_state.h"

class Form2;
struct AppContext;

// Opens the import window modally in mode, with the caption, height and text
// the mode starts with; returns when the window is hidden again.
void openForm2(AppContext& program, Form2& window, Form2Modes mode);

// The window's "OK" (or Enter): imports, makes or renames the folder typed,
// showing the import's progress; the window closes once that is done.
void runForm2(AppContext& program, Form2& window);
