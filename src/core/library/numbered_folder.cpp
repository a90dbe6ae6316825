// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/numbered_folder.h"

#include "core/files/cp932_text.h"
#include "core/files/file_system.h"
#include "core/library/folder_names.h"
#include "core/library/library_paths.h"

#include <algorithm>
#include <utility>

namespace {

// Some line of the index that the program did not take as a row (damaged,
// or past the rows it holds) names directory.
bool namedByAnUnreadLine(const IndexSource& source, const QString& directory) {
    const QByteArray name = encodeCp932(directory);
    const auto names = [&name](const QList<QByteArray>& lines) {
        return std::any_of(lines.cbegin(), lines.cend(),
                           [&name](const QByteArray& line) { return line.contains(name); });
    };
    return names(source.linesAfter) ||
           std::any_of(source.rows.cbegin(), source.rows.cend(),
                       [&names](const IndexSource::Row& row) { return names(row.linesBefore); });
}

// A numbered directory is made and its row written in one hold of the lock,
// so under the lock an empty one that no row names was left by a save or an
// import that ended between the two; it goes (a directory with anything in
// it cannot be removed this way).
void removeLeftWithoutRow(const FileSystem& files, const QString& folder, const FolderIndex& index,
                          const QStringList& directories) {
    for (const QString& directory : directories) {
        if (directory.startsWith(QStringLiteral("IMG_"), Qt::CaseInsensitive) &&
            folderNumberOf(directory) > 0 && index.findRow(directory, 0) == 0 &&
            !namedByAnUnreadLine(index.source(), directory))
            files.removeDirectory(joinPath(folder, directory));
    }
}

} // namespace

IndexChange addNumberedFolder(const FileSystem& files, const QString& folder, const QString& title,
                              const FolderRow& row, NumberedFolder& outcome) {
    return [&files, folder, title, row, &outcome](FolderIndex& index) {
        outcome.full = index.isFull();
        if (outcome.full)
            return false;
        removeLeftWithoutRow(files, folder, index, files.listDirectories(folder));
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
