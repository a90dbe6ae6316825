// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/index_recovery.h"

#include "core/files/file_system.h"
#include "core/library/folder_names.h"
#include "core/library/library_paths.h"

#include <QSet>
#include <algorithm>

namespace {

constexpr qsizetype NumberedPrefixLength = 9; // "IMG_0007_"

// The title of a folder named as the program names them, or nothing.
std::optional<QString> titleOfNumberedFolder(const QString& name) {
    const int number = folderNumberOf(name);
    const QString title = name.mid(NumberedPrefixLength);
    if (number <= 0 || title.isEmpty() || photoFolderName(number, title) != name ||
        !isPlainDirectoryName(name))
        return std::nullopt;
    return title;
}

QStringList numberedFoldersIn(const FileSystem& files, const QString& folder) {
    QStringList numbered;
    for (const QString& name : files.listFolders(folder)) {
        if (titleOfNumberedFolder(name))
            numbered << name;
    }
    std::stable_sort(numbered.begin(), numbered.end(), [](const QString& a, const QString& b) {
        return folderNumberOf(a) < folderNumberOf(b);
    });
    return numbered;
}

} // namespace

int addRowsOfNumberedFolders(const FileSystem& files, const QString& folder, FolderIndex& index) {
    QSet<QString> known;
    for (int i = 1; i <= index.count(); ++i)
        known.insert(index[i][ColDirectory].toCaseFolded());
    int added = 0;
    for (const QString& name : numberedFoldersIn(files, folder)) {
        if (known.contains(name.toCaseFolded()))
            continue;
        const QString path = joinPath(folder, name);
        const QDateTime changed = files.lastModified(path);
        FolderRow row;
        row[ColTitle] = *titleOfNumberedFolder(name);
        row[ColDirectory] = name;
        row[ColDateCount] =
            dateAndCount(changed.toString(QStringLiteral("yyyy/MM/dd")),
                         int(files.listFiles(path, QStringLiteral("*.JP*")).size()));
        if (!index.addRow(std::move(row)))
            break;
        ++added;
    }
    return added;
}

bool hasNumberedFolders(const FileSystem& files, const QString& folder) {
    return !numberedFoldersIn(files, folder).isEmpty();
}
