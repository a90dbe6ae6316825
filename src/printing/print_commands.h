#pragma once

struct Program;

// Connects the four items of the print menu to printing with their layouts.
void connectPrintCommands(Program& program);
