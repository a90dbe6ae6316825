// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/save_root.h"

#include "core/files/file_system.h"
#include "core/library/library_paths.h"
#include "core/state/program_state.h"

void rebuildSaveRoot(ProgramState& state, const FileSystem& files) {
    state.SaveRoot = saveRootOf(state);
    files.makeDirectory(state.SaveBase);
    files.makeDirectory(state.SaveRoot);
}

void rebuildClassFolder(ProgramState& state, const FileSystem& files) {
    state.ClassFolder = state.ClassSubFolder.isEmpty()
                            ? state.SaveRoot
                            : state.SaveRoot + state.ClassSubFolder + u'\\';
    files.makeDirectory(state.ClassFolder);
}
