// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/save_root.h"

#include "core/files/file_system.h"
#include "core/library/library_paths.h"
#include "core/state/program_state.h"

void rebuildSaveRoot(ProgramState& state, const FileSystem& files) {
    state.settings.SaveRoot = saveRootOf(state);
    files.makeDirectory(state.settings.SaveBase);
    files.makeDirectory(state.settings.SaveRoot);
}

void rebuildClassFolder(ProgramState& state, const FileSystem& files) {
    state.openClass.ClassFolder =
        state.openClass.ClassSubFolder.isEmpty()
            ? state.settings.SaveRoot
            : state.settings.SaveRoot + state.openClass.ClassSubFolder + u'\\';
    files.makeDirectory(state.openClass.ClassFolder);
}
