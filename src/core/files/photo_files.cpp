#include "core/files/photo_files.h"

#include "core/files/file_system.h"

#include <algorithm>

bool isPhotoFileName(const QString& name) {
    static const QStringList patterns = {QStringLiteral("*.JP*"), QStringLiteral("*.HEIC"),
                                         QStringLiteral("*.HEIF")};
    return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString& pattern) {
        return matchesFilePattern(name, pattern);
    });
}

QStringList listPhotoFiles(const FileSystem& files, const QString& folder, bool* ok) {
    QStringList names = files.listFiles(folder, QStringLiteral("*.*"), ok);
    names.removeIf([](const QString& name) { return !isPhotoFileName(name); });
    return names;
}
