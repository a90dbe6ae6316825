#pragma once

struct Program;

// After photos of PhotoFolder were added or removed: clears the marks,
// recounts the folder's photos into index row `row` (its date stays), rewrites
// the index and leaves PhotoCount at 0 for the reload that follows.
void recountFolderIntoRow(Program& program, int row);
