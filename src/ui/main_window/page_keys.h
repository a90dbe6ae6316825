// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

struct MainWindowControls;
struct AppContext;
struct MainWindowContext;

// The keyboard and the wheel on the thumbnail page and the folder list.

// Draws the focus frame around FocusedPhoto when it is on the page shown: a
// ring just outside the cell's frame, in a colour no mark uses.
void drawFocusFrame(MainWindowContext& main);

// A key on the thumbnail page: the arrows move the focus frame (turning the
// page at its edges), the page keys turn pages, Space marks or unmarks the
// photo in the frame. Returns the photo Enter asks to show, else 0.
int onThumbnailKey(AppContext& program, MainWindowControls& controls, int key,
                   Qt::KeyboardModifiers modifiers);

// The wheel over the page: a row a notch, a page a notch with Ctrl.
void onThumbnailWheel(MainWindowControls& controls, int notches, Qt::KeyboardModifiers modifiers);

// A key on the folder list: Up and Down move its focus row (framed while the
// list has the keys), scrolling the list as it leaves it. Returns the row
// Enter asks to open, else 0.
int onFolderListKey(AppContext& program, int key);

// The wheel over the folder list: a row a notch, a page a notch with Ctrl.
void onFolderListWheel(AppContext& program, int notches, Qt::KeyboardModifiers modifiers);
