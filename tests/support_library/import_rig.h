// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support_library/library_fixture.h"

#include <QStringList>
#include <functional>
#include <ostream>

class FolderNameWindow;

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A class folder and a photo drive A: under the rig's temporary root, with
// the import commands connected to the main window.
struct ImportRig : LibraryRig {
    ImportRig();

    enum class Submit { Click, Return, Enter };

    // What the window showed when it opened and how the run left it.
    struct Outcome {
        FolderNameWindow* window = nullptr;
        QString caption;
        int height = 0;
        QString initialText;
        bool stayedOpen = false;
    };

    // Works the command that opens the import window, types name into nameEdit
    // and runs it through runButton or a key in nameEdit.
    Outcome typeAndRun(const std::function<void()>& openCommand, const QString& name,
                       Submit submit = Submit::Click);
    Outcome importAs(const QString& name, Submit submit = Submit::Click);
    Outcome makeFolderAs(const QString& name);
    Outcome renameTo(const QString& name);

    // Writes a small JPEG of photo colour n onto the photo drive.
    void putPhoto(const QString& name, int colour = 1);
    // Host path on the photo drive.
    QString driveHost(const QString& name) const;
    // Names in a folder (a drive path), sorted, hidden ones included.
    QStringList namesIn(const QString& folder) const;
    QString folderPath(const QString& directory) const;

    // Runs on the window each time it opens, before the name is typed.
    std::function<void(FolderNameWindow&)> whenOpen;
};
