// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ProgramState;
struct Services;

// The drawing that the library's routines bring about in the main window. The
// window side provides it, so that the library needs no widgets.
class FolderView {
public:
    virtual ~FolderView() = default;
    // The thumbnail scroll bar runs from 0 to maximum.
    virtual void setThumbnailScrollMaximum(int maximum) = 0;
    virtual void drawThumbnailPage() = 0;
    virtual void drawFolderList() = 0;
};

// What the library's routines work on: the one state, the machine's services
// and the main window as far as they draw in it.
struct LibraryContext {
    ProgramState& state;
    Services& services;
    FolderView& view;
};
