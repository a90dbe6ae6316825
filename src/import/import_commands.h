#pragma once

#include "state/program_state.h"

struct Program;

// Opens the import window modally in mode, with the caption, height and text
// the mode starts with; returns when the window is hidden again.
void openForm2(Program& program, Form2Modes mode);

// Connects the main window's import, make-folder and rename commands.
void connectImportCommands(Program& program);
