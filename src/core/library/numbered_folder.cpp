#include "core/library/numbered_folder.h"

#include "core/files/file_system.h"
#include "core/library/folder_names.h"
#include "core/library/library_paths.h"

#include <utility>

IndexChange addNumberedFolder(const FileSystem& files, const QString& folder, const QString& title,
                              const FolderRow& row, NumberedFolder& outcome) {
    return [&files, folder, title, row, &outcome](FolderIndex& index) {
        outcome.full = index.isFull();
        if (outcome.full)
            return false;
        outcome.directory =
            photoFolderName(nextFolderNumber(index, files.listDirectories(folder)), title);
        outcome.made = files.makeDirectory(joinPath(folder, outcome.directory));
        if (!outcome.made)
            return false;
        FolderRow added = row;
        added[ColDirectory] = outcome.directory;
        return index.addRow(std::move(added));
    };
}
