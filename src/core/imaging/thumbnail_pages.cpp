// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/thumbnail_pages.h"

#include "core/files/file_system.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"

#include <algorithm>

namespace {
int photosPerPage(const ProgramState& state) {
    return state.ThumbColumns * state.ThumbColumns;
}
} // namespace

PageRange currentPage(ProgramState& state) {
    const int columns = state.ThumbColumns;
    if (state.PhotoCount <= 0 || columns <= 0)
        return {};
    state.ThumbTopRow = correctedTopRow(state.ThumbTopRow, columns, state.PhotoCount);
    const int first = columns * state.ThumbTopRow;
    return {first, std::min(state.PhotoCount - first, columns * columns)};
}

ThumbnailRequest thumbnailRequest(const ProgramState& state, const FileSystem& files,
                                  const QString& photoPath) {
    const bool large = isLargeGrid(state.ScreenWidthPx);
    return {files.hostPath(photoPath), thumbWidth(large),
            large ? LargeThumbHeight : SmallThumbHeight};
}

std::vector<ThumbnailRequest> pageRequests(const ProgramState& state, const FileSystem& files,
                                           int first, int count) {
    std::vector<ThumbnailRequest> requests;
    requests.reserve(std::max(count, 0));
    for (int i = 1; i <= count; ++i)
        requests.push_back(thumbnailRequest(state, files, state.PhotoPaths[first + i]));
    return requests;
}

// Pupils mostly turn forward, so the next page goes first, then the one
// before.
void prefetchNeighbours(const ProgramState& state, Services& services, const PageRange& page) {
    const int perPage = photosPerPage(state);
    std::vector<ThumbnailRequest> requests;
    if (page.count > 0 && perPage > 0) {
        const int next = page.first + perPage;
        requests =
            pageRequests(state, services.files, next, std::min(perPage, state.PhotoCount - next));
        const int previous = std::max(0, page.first - perPage);
        for (ThumbnailRequest& request :
             pageRequests(state, services.files, previous, page.first - previous))
            requests.push_back(std::move(request));
    }
    services.thumbnails.prefetch(std::move(requests));
}

void prepareThumbnail(const ProgramState& state, Services& services, const QString& photoPath) {
    services.thumbnails.prepare({thumbnailRequest(state, services.files, photoPath)});
}

void makeOpeningPage(const ProgramState& state, Services& services, const QStringList& photoPaths) {
    std::vector<ThumbnailRequest> requests;
    for (const QString& path : photoPaths.mid(0, photosPerPage(state)))
        requests.push_back(thumbnailRequest(state, services.files, path));
    services.thumbnails.loadPage(requests, [](int, const Thumbnail&) {});
}
