#include "library/numbered_folder.h"

#include "library/folder_names.h"
#include "library/library_paths.h"
#include "platform/file_system.h"

IndexChange addNumberedFolder(const FileSystem& files, const QString& folder, const QString& title,
                              const FolderRow& row, NumberedFolder& outcome) {
    return [&files, folder, title, row, &outcome](FolderRows& table, int& count, IndexSource&) {
        outcome.full = count >= MaxFolderRows;
        if (outcome.full)
            return false;
        outcome.directory =
            photoFolderName(nextFolderNumber(table, count, files.listDirectories(folder)), title);
        outcome.made = files.makeDirectory(joinPath(folder, outcome.directory));
        if (!outcome.made)
            return false;
        table[++count] = row;
        table[count][ColDirectory] = outcome.directory;
        return true;
    };
}
