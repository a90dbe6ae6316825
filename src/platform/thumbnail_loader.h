#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One cell of a thumbnail page: the photo file and how its box is sized.
struct ThumbnailRequest {
    QString hostPath;
    int width = 0;
    // 0: the height follows the photo's proportions, width x h / w rounded
    // half to even; else every photo gets this height.
    int fixedHeight = 0;
};

struct Thumbnail {
    // Upright size of the photo; invalid when the file cannot be decoded.
    QSize photoSize;
    // The photo scaled to its box; null when it cannot be decoded.
    QImage image;
};

// The box a request's thumbnail fills for a photo of the given upright size.
QSize thumbnailBox(const QSize& photoSize, int width, int fixedHeight);

// Makes the thumbnails of a page on two worker threads, keeping the recently
// made ones in a cache bounded in bytes and keyed by path, file size,
// modification time and box, so a page shown again decodes nothing.
class ThumbnailLoader {
public:
    explicit ThumbnailLoader(qint64 cacheBytes = 64LL * 1024 * 1024);
    ~ThumbnailLoader();
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    // Loads every request and calls onReady(index, thumbnail) for each, in
    // request order, on the calling thread, as soon as it and all before it
    // are ready. Returns when all are done.
    void loadPage(const std::vector<ThumbnailRequest>& requests,
                  const std::function<void(int, const Thumbnail&)>& onReady);

    void clearCache();
    qint64 cachedBytes() const;
    // How many thumbnails were made from their files rather than the cache.
    int decodeCount() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
