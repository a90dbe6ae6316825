#pragma once

struct Program;

// A class button was clicked: after the pupil confirms, the class folder is
// made when missing and opened.
void chooseClass(Program& program, int buttonIndex);
