// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/photo_files.h"

#include "core/files/file_system.h"

#include <algorithm>

const QStringList& photoFilePatterns() {
    static const QStringList patterns = {QStringLiteral("*.JP*"), QStringLiteral("*.HEIC"),
                                         QStringLiteral("*.HEIF")};
    return patterns;
}

bool isPhotoFileName(const QString& name) {
    const QStringList& patterns = photoFilePatterns();
    return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString& pattern) {
        return matchesFilePattern(name, pattern);
    });
}

QStringList listPhotoFiles(const FileSystem& files, const QString& folder, bool* ok,
                           HiddenFiles hidden) {
    const QString all = QStringLiteral("*.*");
    QStringList names = hidden == HiddenFiles::Included ? files.listFilesWithHidden(folder, all, ok)
                                                        : files.listFiles(folder, all, ok);
    names.removeIf([](const QString& name) { return !isPhotoFileName(name); });
    return names;
}
