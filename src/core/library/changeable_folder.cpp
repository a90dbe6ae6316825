// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/changeable_folder.h"

#include "core/files/file_system.h"
#include "core/library/library_paths.h"
#include "core/state/class_names.h"
#include "core/state/program_state.h"

namespace {

bool isSameFolder(const FileSystem& files, const QString& a, const QString& b) {
    return files.isWithin(a, b) && files.isWithin(b, a);
}

// In personal use the class folder is the save root, beside the folders of
// the classes.
bool isClassFolderOfSaveRoot(const FileSystem& files, const ProgramState& state,
                             const QString& directory) {
    if (state.settings.SaveRoot.isEmpty() ||
        !isSameFolder(files, state.openClass.ClassFolder, state.settings.SaveRoot))
        return false;
    for (int index = 0; index < ClassCount; ++index) {
        if (directory.compare(classFolderName(index), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString changeablePhotoFolderOfRow(const FileSystem& files, const ProgramState& state, int row) {
    const QString folder = photoFolderOfRow(state, row);
    if (folder.isEmpty() || !files.isDirectoryIn(folder, state.openClass.ClassFolder) ||
        files.exists(indexPathOf(folder)) ||
        isClassFolderOfSaveRoot(files, state, state.openClass.FolderTable[row][ColDirectory]))
        return {};
    for (const QString& root : {state.settings.SaveRoot, state.settings.DatabaseRoot}) {
        if (!root.isEmpty() && files.isWithin(root, folder))
            return {};
    }
    return folder;
}
