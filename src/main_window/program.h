#pragma once

class Form1;
struct ProgramState;
struct Services;

// What every routine and handler works on: the one state, the main window and
// the machine's services.
struct Program {
    ProgramState& state;
    Form1& form;
    Services& services;
};
