// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/thumbnail_maker.h"

#include "core/imaging/photo_decoder.h"
#include "core/imaging/photo_reader.h"
#include "core/imaging/shared_thumbnail_folder.h"

namespace {

QImage scaledToBox(const QImage& picture, const QSize& box) {
    return picture.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<Thumbnail> fromEntry(const DesktopThumbnailCache::Entry& entry,
                                   const ThumbnailRequest& request) {
    const QSize photo =
        entry.photoSize.isValid() ? entry.photoSize : readPhotoSize(request.hostPath);
    if (!photo.isValid())
        return std::nullopt;
    return Thumbnail{
        photo, scaledToBox(entry.image, thumbnailBox(photo, request.width, request.fixedHeight))};
}

std::optional<Thumbnail> fromSharedEntry(FolderPacks& packs, const ThumbnailRequest& request,
                                         const FileStamp& stamp) {
    std::optional<SharedThumbnailFolder::Found> shared = packs.find(request.hostPath, stamp);
    if (!shared)
        return std::nullopt;
    return fromEntry(
        {DesktopThumbnailCache::Entry::Found, std::move(shared->picture), shared->photoSize},
        request);
}

bool largerThanEntry(const QSize& photo) {
    return photo.width() > DesktopThumbnailCache::LargeSide ||
           photo.height() > DesktopThumbnailCache::LargeSide;
}

Thumbnail decode(const DesktopThumbnailCache& disk, FolderPacks& packs, PhotoLink& link,
                 const ThumbnailRequest& request, const std::optional<FileStamp>& stamp) {
    PhotoReader reader(request.hostPath, &link);
    const QSize photo = reader.uprightSize();
    if (!photo.isValid())
        return {};
    const QSize box = thumbnailBox(photo, request.width, request.fixedHeight);
    // A small photo decodes as fast as its entry would. A camera's thumbnail
    // is smaller than the desktop's entries should be, but serves the other
    // machines' pages.
    if (!stamp || !disk.enabled() || !largerThanEntry(photo))
        return {photo, reader.scaled(box)};
    if (QImage fromCamera = reader.exifThumbnailScaled(box); !fromCamera.isNull()) {
        packs.add(request.hostPath, SharedThumbnailFolder::makeEntry(fromCamera, *stamp, photo));
        return {photo, std::move(fromCamera)};
    }

    const QSize entrySize = photo.scaled(DesktopThumbnailCache::LargeSide,
                                         DesktopThumbnailCache::LargeSide, Qt::KeepAspectRatio);
    const QImage picture = reader.reduced(entrySize);
    if (picture.isNull())
        return {photo, {}};
    disk.store(request.hostPath, *stamp, picture, photo);
    packs.add(request.hostPath, SharedThumbnailFolder::makeEntry(picture, *stamp, photo));
    return {photo, scaledToBox(picture, box)};
}

} // namespace

Thumbnail makeThumbnail(const DesktopThumbnailCache& disk, FolderPacks& packs, PhotoLink& link,
                        const ThumbnailRequest& request, const std::optional<FileStamp>& stamp,
                        bool& decoded) {
    decoded = false;
    if (stamp) {
        const DesktopThumbnailCache::Entry entry = disk.find(request.hostPath, *stamp);
        if (entry.kind == DesktopThumbnailCache::Entry::Failed)
            return {};
        if (entry.kind == DesktopThumbnailCache::Entry::Found) {
            if (std::optional<Thumbnail> thumbnail = fromEntry(entry, request))
                return *thumbnail;
        }
        // Another machine may have shown the photo already.
        if (std::optional<Thumbnail> thumbnail = fromSharedEntry(packs, request, *stamp))
            return *thumbnail;
    }
    decoded = true;
    Thumbnail thumbnail = decode(disk, packs, link, request, stamp);
    if (thumbnail.image.isNull()) {
        if (stamp)
            disk.storeFailure(request.hostPath, *stamp);
        return {};
    }
    return thumbnail;
}
