#pragma once

#include "core/state/program_state.h"

class FolderNameWindow;
struct AppContext;

// Opens the import window modally in mode, with the caption, height and text
// the mode starts with; returns when the window is hidden again.
void openFolderNameWindow(AppContext& program, FolderNameWindow& window, FolderNameMode mode);

// The window's "OK" (or Enter): imports, makes or renames the folder typed,
// showing the import's progress; the window closes once that is done.
void runFolderNameWindow(AppContext& program, FolderNameWindow& window);
