// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// One cell of a thumbnail page: the photo file and how its box is sized.
struct ThumbnailRequest {
    QString hostPath;
    int width = 0;
    // 0: the height follows the photo's proportions, width x h / w rounded
    // half to even; else every photo fits inside width x fixedHeight.
    int fixedHeight = 0;
};

struct Thumbnail {
    // Upright size of the photo; invalid when the file cannot be decoded.
    QSize photoSize;
    // The photo scaled to its box in its own proportions; null when it cannot
    // be decoded.
    QImage image;
    // Its file did not answer in time (a share that stopped answering); the
    // page goes on without it.
    bool timedOut = false;
};

// The size of a request's thumbnail for a photo of the given upright size.
QSize thumbnailBox(const QSize& photoSize, int width, int fixedHeight);

// Makes the thumbnails of a page on two worker threads, which a thread of
// its own feeds with the photos that lie on a network drive. The ones made lately
// stay in memory, bounded in bytes and keyed by path, file size, modification
// time and box, so a page shown again decodes nothing; with a disk cache root
// they also persist across starts in the desktop's shared thumbnail cache,
// and go to the photo folder's shared pack for the other machines once the
// page is drawn.
// Pages that may be wanted next are made in the background on one thread of
// idle priority, which the visible page's work always goes before.
class ThumbnailLoader {
public:
    static constexpr qint64 DefaultCacheBytes = 64LL * 1024 * 1024;
    // How long a page waits for its next photo before it gives the rest up.
    static constexpr std::chrono::milliseconds DefaultAnswerTime{8000};

    // An empty diskCacheRoot keeps thumbnails in memory only.
    explicit ThumbnailLoader(qint64 cacheBytes = DefaultCacheBytes, QString diskCacheRoot = {},
                             std::chrono::milliseconds answerTime = DefaultAnswerTime);
    // Drops the background work that has not started and waits for the rest,
    // but no longer than the answer time: work stuck in a file system that
    // stopped answering is left to the end of the process.
    ~ThumbnailLoader();
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    // Loads every request and calls onReady(index, thumbnail) for each, in
    // request order, on the calling thread, as soon as it and all before it
    // are ready. Returns when all are done, or once no photo has come for the
    // answer time: those not ready then come timed out. While it waits, the
    // calling thread's events but user input are handled. Background work not
    // yet started is dropped first.
    void loadPage(const std::vector<ThumbnailRequest>& requests,
                  const std::function<void(int, const Thumbnail&)>& onReady);
    // Makes the requests in the background, in order, in place of any
    // background work asked before; nothing is drawn.
    void prefetch(std::vector<ThumbnailRequest> requests);
    // Starts making the requests on the worker threads without waiting, so a
    // page that asks for them soon finds them made or being made.
    void prepare(const std::vector<ThumbnailRequest>& requests);
    // Waits up to msecs for all work to end; false when some is still going.
    bool waitForIdle(int msecs);

    // The photo is gone: its thumbnails go from memory and from the disk
    // cache, and none still being made is kept.
    void forget(const QString& hostPath);
    // forget() for every file in the folder, before the folder is removed.
    void forgetFolder(const QString& hostFolder);

    void clearCache();
    qint64 cachedBytes() const;
    // How many thumbnails were made from their files rather than a cache.
    int decodeCount() const;

private:
    struct Private;
    std::shared_ptr<Private> d;
};
