#pragma once

struct Program;

// Connects the main window's class buttons, thumbnail panel and scroll bar,
// and every folder, import, photo and print command, to their handlers.
void connectMainWindow(Program& program);
