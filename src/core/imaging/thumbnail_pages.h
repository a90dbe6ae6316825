// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/thumbnail_loader.h"

#include <QString>
#include <QStringList>
#include <vector>

class FileSystem;
struct ProgramState;
struct Services;

// The photos of the page that starts at ThumbTopRow, after the page
// correction (which it applies to the state).
struct PageRange {
    int first = 0; // photos first + 1 .. first + count
    int count = 0;
};
PageRange currentPage(ProgramState& state);

// What a page asks the thumbnail loader for the photo at photoPath, in the
// current layout.
ThumbnailRequest thumbnailRequest(const ProgramState& state, const FileSystem& files,
                                  const QString& photoPath);
// The requests for photos first + 1 .. first + count of the photo list.
std::vector<ThumbnailRequest> pageRequests(const ProgramState& state, const FileSystem& files,
                                           int first, int count);

// Starts making the thumbnails of the pages after and before page in the
// background.
void prefetchNeighbours(const ProgramState& state, Services& services, const PageRange& page);
// Starts making the thumbnail of a photo that a page will soon show.
void prepareThumbnail(const ProgramState& state, Services& services, const QString& photoPath);
// Makes the thumbnails of the first page of photoPaths in memory, without
// drawing them; returns once they are made.
void makeOpeningPage(const ProgramState& state, Services& services, const QStringList& photoPaths);
