#pragma once

#include <functional>

struct Program;

// Connects the thumbnail panel's scroll bar and mouse to the page and marks;
// a right click on a thumbnail hands its photo number to clipPhoto.
void connectBrowserControls(Program& program, std::function<void(int)> clipPhoto = {});
