#include "platform/thumbnail_loader.h"

#include "platform/photo_decoder.h"
#include "state/rounding.h"

#include <QCache>
#include <QFileInfo>
#include <QFuture>
#include <QHashFunctions>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <optional>

namespace {

// What an entry costs beyond its pixels: the key, the node and the image
// header. It also bounds how many failed files the cache remembers.
constexpr qsizetype kEntryOverheadBytes = 256;

// The width and fixed height stand for the box: with the file unchanged they
// give the same box every time.
struct ThumbnailKey {
    QString hostPath;
    qint64 fileSize = 0;
    qint64 modified = 0;
    int width = 0;
    int fixedHeight = 0;

    bool operator==(const ThumbnailKey&) const = default;
};

size_t qHash(const ThumbnailKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.hostPath, key.fileSize, key.modified, key.width, key.fixedHeight);
}

ThumbnailKey keyFor(const ThumbnailRequest& request) {
    const QFileInfo info(request.hostPath);
    const QDateTime modified = info.lastModified();
    return {request.hostPath, info.size(), modified.isValid() ? modified.toMSecsSinceEpoch() : 0,
            request.width, request.fixedHeight};
}

Thumbnail makeThumbnail(const ThumbnailRequest& request) {
    const QSize photoSize = readPhotoSize(request.hostPath);
    if (!photoSize.isValid())
        return {};
    QImage image = decodePhotoScaled(request.hostPath,
                                     thumbnailBox(photoSize, request.width, request.fixedHeight));
    if (image.isNull())
        return {};
    return {photoSize, std::move(image)};
}

} // namespace

QSize thumbnailBox(const QSize& photoSize, int width, int fixedHeight) {
    if (fixedHeight > 0)
        return {width, fixedHeight};
    if (photoSize.width() <= 0)
        return {};
    return {width, roundHalfEven(double(width) * photoSize.height() / photoSize.width())};
}

struct ThumbnailLoader::Private {
    explicit Private(qint64 cacheBytes) : cache(cacheBytes) { pool.setMaxThreadCount(2); }

    std::optional<Thumbnail> cached(const ThumbnailKey& key) {
        const QMutexLocker lock(&mutex);
        const Thumbnail* thumbnail = cache.object(key);
        return thumbnail ? std::optional<Thumbnail>(*thumbnail) : std::nullopt;
    }

    void remember(const ThumbnailKey& key, const Thumbnail& thumbnail) {
        const qsizetype cost = thumbnail.image.sizeInBytes() +
                               key.hostPath.size() * qsizetype(sizeof(QChar)) + kEntryOverheadBytes;
        const QMutexLocker lock(&mutex);
        cache.insert(key, new Thumbnail(thumbnail), cost);
    }

    mutable QMutex mutex;
    QCache<ThumbnailKey, Thumbnail> cache;
    std::atomic<int> decodeCount = 0;
    // Last, so it is destroyed first and waits for running work.
    QThreadPool pool;
};

ThumbnailLoader::ThumbnailLoader(qint64 cacheBytes) : d(std::make_unique<Private>(cacheBytes)) {}

ThumbnailLoader::~ThumbnailLoader() = default;

void ThumbnailLoader::loadPage(const std::vector<ThumbnailRequest>& requests,
                               const std::function<void(int, const Thumbnail&)>& onReady) {
    struct Pending {
        ThumbnailKey key;
        std::optional<Thumbnail> cached;
        QFuture<Thumbnail> made;
    };
    std::vector<Pending> page;
    page.reserve(requests.size());
    for (const ThumbnailRequest& request : requests) {
        Pending pending{keyFor(request), {}, {}};
        pending.cached = d->cached(pending.key);
        if (!pending.cached) {
            pending.made = QtConcurrent::run(&d->pool, makeThumbnail, request);
            ++d->decodeCount;
        }
        page.push_back(std::move(pending));
    }

    for (size_t i = 0; i < page.size(); ++i) {
        Pending& pending = page[i];
        if (!pending.cached) {
            pending.cached = pending.made.result();
            d->remember(pending.key, *pending.cached);
        }
        onReady(int(i), *pending.cached);
    }
}

void ThumbnailLoader::clearCache() {
    const QMutexLocker lock(&d->mutex);
    d->cache.clear();
}

qint64 ThumbnailLoader::cachedBytes() const {
    const QMutexLocker lock(&d->mutex);
    return d->cache.totalCost();
}

int ThumbnailLoader::decodeCount() const {
    return d->decodeCount;
}
