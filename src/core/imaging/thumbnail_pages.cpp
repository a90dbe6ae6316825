// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/thumbnail_pages.h"

#include "core/files/file_system.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/services/services.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"

#include <QDir>
#include <QHash>
#include <algorithm>

namespace {
int photosPerPage(const ProgramState& state) {
    return state.screen.ThumbColumns * state.screen.ThumbColumns;
}

// The photos of a page share a folder, and their names come from its listing
// as they are on disk: the spelling of the folder is looked up once, not for
// every photo and every folder above it, each a round trip on a share.
class PageHostPaths {
public:
    explicit PageHostPaths(const FileSystem& files) : m_files(files) {}

    QString of(const QString& photoPath) {
        const qsizetype cut = photoPath.lastIndexOf(u'\\');
        if (cut <= 0)
            return m_files.hostPath(photoPath);
        const QString folder = photoPath.left(cut);
        auto found = m_folders.constFind(folder);
        if (found == m_folders.constEnd())
            found = m_folders.insert(folder, m_files.hostPath(folder));
        return found->isEmpty() ? QString() : QDir(*found).filePath(photoPath.mid(cut + 1));
    }

private:
    const FileSystem& m_files;
    QHash<QString, QString> m_folders;
};

ThumbnailRequest requestAt(const ProgramState& state, const QString& hostPath) {
    const bool large = isLargeGrid(state.screen.ScreenWidthPx);
    return {hostPath, thumbWidth(large), large ? LargeThumbHeight : SmallThumbHeight};
}
} // namespace

PageRange currentPage(ProgramState& state) {
    const int columns = state.screen.ThumbColumns;
    if (state.folder.PhotoCount <= 0 || columns <= 0)
        return {};
    state.folder.ThumbTopRow =
        correctedTopRow(state.folder.ThumbTopRow, columns, state.folder.PhotoCount);
    const int first = columns * state.folder.ThumbTopRow;
    return {first, std::min(state.folder.PhotoCount - first, columns * columns)};
}

ThumbnailRequest thumbnailRequest(const ProgramState& state, const FileSystem& files,
                                  const QString& photoPath) {
    return requestAt(state, files.hostPath(photoPath));
}

std::vector<ThumbnailRequest> pageRequests(const ProgramState& state, const FileSystem& files,
                                           int first, int count) {
    std::vector<ThumbnailRequest> requests;
    requests.reserve(std::max(count, 0));
    PageHostPaths hostPaths(files);
    for (int i = 1; i <= count; ++i)
        requests.push_back(requestAt(state, hostPaths.of(state.folder.PhotoPaths[first + i])));
    return requests;
}

// Pupils mostly turn forward, so the next page goes first, then the one
// before.
void prefetchNeighbours(const ProgramState& state, Services& services, const PageRange& page) {
    const int perPage = photosPerPage(state);
    std::vector<ThumbnailRequest> requests;
    if (page.count > 0 && perPage > 0) {
        const int next = page.first + perPage;
        requests = pageRequests(state, services.files, next,
                                std::min(perPage, state.folder.PhotoCount - next));
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
    PageHostPaths hostPaths(services.files);
    for (const QString& path : photoPaths.mid(0, photosPerPage(state)))
        requests.push_back(requestAt(state, hostPaths.of(path)));
    services.thumbnails.loadPage(requests, [](int, const Thumbnail&) {});
}
