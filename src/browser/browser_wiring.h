#pragma once

struct Program;

// Connects the thumbnail panel's scroll bar and mouse to the page and marks.
// A right click names the photo to clip; the clip window is not part of this
// program yet, so only marking acts.
void connectBrowserControls(Program& program);
