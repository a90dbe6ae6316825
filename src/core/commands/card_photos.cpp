// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/card_photos.h"

#include "core/files/file_system.h"
#include "core/files/photo_files.h"
#include "core/library/library_paths.h"

namespace {

void appendPhotosOf(const FileSystem& files, const QString& folder, int group,
                    QList<CardPhoto>& photos) {
    for (const QString& name : listPhotoFiles(files, folder, nullptr, HiddenFiles::Included))
        photos.append({folder, name, group, files.fileSizeIn(folder, name)});
}

} // namespace

QList<CardPhoto> listCardPhotos(const FileSystem& files, const QString& drive, bool* ok) {
    QList<CardPhoto> photos;
    bool listed = false;
    for (const QString& name : listPhotoFiles(files, drive, &listed, HiddenFiles::Included))
        photos.append({drive, name, 0, files.fileSizeIn(drive, name)});
    if (ok)
        *ok = listed;
    if (!listed)
        return photos;
    int group = 0;
    for (const QString& top : files.listFolders(drive)) {
        if (top.compare(QStringLiteral("DCIM"), Qt::CaseInsensitive) != 0)
            continue;
        const QString dcim = joinPath(drive, top);
        for (const QString& camera : files.listFolders(dcim))
            appendPhotosOf(files, joinPath(dcim, camera), ++group, photos);
    }
    return photos;
}
