#pragma once

struct Program;

// Connects the delete, copy, cancel-copy and save-to-photo-drive commands of
// the main window.
void connectPhotoCommands(Program& program);
