// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/copy_files.h"

#include "core/files/file_system.h"
#include "core/library/library_paths.h"

int copyPhotosTo(const FileSystem& files, const QStringList& paths, const QString& targetPrefix) {
    int failed = 0;
    for (const QString& source : paths) {
        const QString target = targetPrefix + fileNameOf(source);
        if (target == source)
            continue;
        if (!files.copyFile(source, target))
            ++failed;
    }
    return failed;
}
