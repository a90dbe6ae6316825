// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

struct AppContext;

// Told after each photo an import has tried to copy: how many it has done of
// all it found.
using ImportProgress = std::function<void(int done, int found)>;

// Runs the import window's command for FolderNameWindowMode on the name typed: copies
// the photo drive into a new folder, makes an empty folder or renames the open
// one, and opens or redraws what changed. progress may be empty. Returns false when it stopped
// without changing anything, so the window stays open for another try.
bool importMakeOrRenameFolder(AppContext& program, const QString& name,
                              const ImportProgress& progress);
