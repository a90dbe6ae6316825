#pragma once

struct Program;

// Collects the marked photos and waits for the destination folder to be
// clicked in the folder list, showing the copy prompt.
void startCopy(Program& program);
// Copies the collected photos into index row destinationRow and opens it.
void completeCopy(Program& program, int destinationRow);
// Drops a waiting copy; the marks stay.
void cancelCopy(Program& program);
