// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/library_context.h"

#include <QString>
#include <functional>

// The main window as the commands see it: what they show and redraw there.
// The window implements it, so no command touches a widget.
class MainView : public FolderView {
public:
    // Draws the title box with FolderTitle over the page.
    virtual void drawFolderTitle() = 0;
    // Redraws the caption bars and frames of the page from the marks.
    virtual void drawMarkCaptions() = 0;
    // Puts the thumbnail scroll bar back at the top; when it moves, the page
    // turns as it does for the user's scroll.
    virtual void resetThumbnailScroll() = 0;
    // The scroll bar at the top with nowhere to go and a blank thumbnail panel.
    virtual void clearThumbnailPage() = 0;
    // The "which folder to copy to" prompt over the thumbnail panel.
    virtual void showCopyTargetPrompt(bool shown) = 0;
    // Hides the class panel and shows the folder list and the thumbnail panel.
    virtual void showClassFolderPanels() = 0;
    // The photo menus and the folder buttons, as when a class folder is open.
    virtual void showFolderCommands() = 0;
    // The heading over the folder list: the class or the database.
    virtual void setFolderListHeading(const QString& heading) = 0;
    virtual void setDatabaseSwitchCaption(const QString& caption) = 0;
    virtual void setSaveDriveCaption(const QString& caption) = 0;
    // Runs work on a worker thread and returns once it is done, the window
    // showing that it waits and going on drawing itself meanwhile. work must
    // touch no widget and no state the window thread may change.
    virtual void runBesideWindow(const std::function<void()>& work) = 0;
};
