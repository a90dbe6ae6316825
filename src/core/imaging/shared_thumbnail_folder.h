#pragma once

#include "core/imaging/desktop_thumbnail_cache.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The photo folder's own shared thumbnail repository of the freedesktop.org
// Thumbnail Managing Standard: .sh_thumbnails/normal/ (128 pixels) and
// large/ (256) beside the photos, each entry named by the MD5 of the photo's
// file name, so that every machine reaching the folder, by whatever mount,
// finds the same entries. The first machine to show a photo writes its entry
// where the folder lets it; the others read it instead of the photo. An entry
// counts only while its Thumb::URI names the photo and its Thumb::Size and
// Thumb::MTime are the photo's. A link, a device or a FIFO in place of the
// repository, a size folder or an entry is never followed, written through
// or removed. Every failure is silent: the repository only ever saves work.
namespace SharedThumbnailFolder {

struct Entry {
    QImage image;
    QSize photoSize; // the photo's upright size, invalid when the entry does not say
};

// The entry path for a photo in the given size folder ("normal", "large").
QString entryPath(const QString& hostPath, const QString& sizeFolder);
// A valid entry at least as large as a box whose longer side is boxSide.
std::optional<Entry> find(const QString& hostPath, const FileStamp& stamp, int boxSide);
// Writes a large entry (image at most 256 pixels), when the folder can be
// written.
void share(const QString& hostPath, const FileStamp& stamp, const QImage& image,
           const QSize& photoSize);
// Removes the photo's entries.
void forget(const QString& hostPath);
// Removes the regular entries directly inside the folder's own size folders
// and the repository with them, before the folder itself is removed.
void forgetFolder(const QString& hostFolder);

} // namespace SharedThumbnailFolder
