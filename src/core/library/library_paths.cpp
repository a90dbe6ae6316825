// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/library_paths.h"

#include "core/library/folder_names.h"
#include "core/library/index_file.h"
#include "core/state/program_state.h"

QString indexPathOf(const QString& classFolder) {
    return classFolder.endsWith(u'\\') ? classFolder + IndexFileName
                                       : joinPath(classFolder, IndexFileName);
}

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

QString folderOf(const QString& path) {
    const qsizetype separator = path.lastIndexOf(u'\\');
    return separator < 0 ? QString() : path.left(separator);
}

QString photoFolderOfRow(const ProgramState& state, int row) {
    const QString& directory = state.openClass.FolderTable[row][ColDirectory];
    return isPlainDirectoryName(directory) ? joinPath(state.openClass.ClassFolder, directory)
                                           : QString();
}

QString saveRootOf(const ProgramState& state) {
    return state.settings.SaveSubFolder.isEmpty()
               ? state.settings.SaveBase
               : state.settings.SaveBase + state.settings.SaveSubFolder + u'\\';
}
