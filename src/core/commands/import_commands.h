// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/program_state.h"

#include <QString>

struct AppContext;

// What the folder-name window starts with: the open folder's name for a
// rename, and for an import the card it will read.
struct FolderNameStart {
    QString name;
    QString photoDriveLine;
};

// Sets the mode the folder-name window's run works in and says what the
// window starts with.
FolderNameStart startFolderName(AppContext& program, FolderNameMode mode);
