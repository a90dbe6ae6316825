// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QLabel;

// Runs work on a worker thread and returns once it is done. Meanwhile the
// window shows "まってください" in waitNotice and the wait cursor and goes on drawing
// itself, so a share that stops answering stalls the work, never the window;
// the user's clicks and keys wait until the work is done. work must touch no
// widget and no program state the window thread may change.
void runBesideWindow(QLabel& waitNotice, const std::function<void()>& work);
