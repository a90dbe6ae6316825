// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/imaging/folder_packs.h"
#include "core/imaging/photo_link.h"
#include "core/imaging/thumbnail_loader.h"

#include <optional>

// Makes one request's thumbnail the cheapest way there is: from a valid entry
// of the desktop's cache or of the photo folder's shared pack (see
// FolderPacks), else from the camera's embedded thumbnail when it serves the
// box, else by a reduced decode at the desktop cache's size, which then goes
// into that cache. What the photo itself gave goes into the folder's pack for
// the other machines. A file that cannot be decoded gets a failure entry.
// stamp is the file's as the caller saw it, nullopt for a missing file.
// decoded is set when the file itself was read for its picture; a photo on a
// network drive is read through link.
Thumbnail makeThumbnail(const DesktopThumbnailCache& disk, FolderPacks& packs, PhotoLink& link,
                        const ThumbnailRequest& request, const std::optional<FileStamp>& stamp,
                        bool& decoded);
