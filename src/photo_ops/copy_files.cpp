#include "photo_ops/copy_files.h"

#include "library/library_paths.h"
#include "platform/file_system.h"

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
