// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/app_context.h"
#include "core/commands/main_view.h"
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "support/recording_printer.h"
#include "support/scripted_services.h"
#include "ui/main_window/main_window.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program state with scripted services and drives in a temporary
// folder: every drive letter but Z: is a folder under root, C: mapped as
// DRIVES.TXT maps a shared drive. The printer keeps its sheets, and its
// temporary bitmap goes into root.
struct TestRig {
    explicit TestRig(int screenWidth = 1024);

    // Host path of a drive path, for checking files on disk.
    QString host(const QString& drivePath) const { return files.hostPath(drivePath); }
    // The shared thumbnail cache of the rig's loader, inside root.
    QString thumbnailRoot() const { return root.path() + QStringLiteral("/thumbnails"); }

    QTemporaryDir root;
    FileSystem files;
    ScriptedMessages messages;
    FixedScreen screen;
    FixedClock clock;
    ScriptedFileDialogs dialogs;
    ScriptedModals modals;
    ThumbnailLoader thumbnails;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    Services services;
    ProgramState state;
};

// The rig with a loaded main window.
struct FormRig : TestRig {
    explicit FormRig(int screenWidth = 1024);

    std::unique_ptr<MainWindow> form;
    MainView& view;
    AppContext program;
};
