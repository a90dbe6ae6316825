#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
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

// Makes the thumbnails of a page on every core, keeping the recently made ones
// in a bounded cache keyed by path, file size, modification time and box.
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

private:
    struct Private;
    Private* d;
};
