// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class MainWindow;

// Runs work on a worker thread and returns once it is done. Meanwhile the
// main window shows "まってください" and the wait cursor and goes on drawing
// itself, so a share that stops answering stalls the work, never the window;
// the user's clicks and keys wait until the work is done. work must touch no
// widget and no program state the window thread may change.
void runBesideWindow(MainWindow& form, const std::function<void()>& work);
