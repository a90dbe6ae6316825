// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/thumbnail_loader.h"

#include "core/geometry/fitting.h"
#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/imaging/folder_packs.h"
#include "core/imaging/shared_thumbnail_folder.h"
#include "core/imaging/thumbnail_maker.h"

#include <QCache>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QFutureWatcher>
#include <QHash>
#include <QHashFunctions>
#include <QMutex>
#include <QMutexLocker>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QWaitCondition>
#include <atomic>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long writing to a folder's shared pack waits for another machine that
// writes to it.
constexpr std::chrono::milliseconds PackLockWait{3000};

// What an entry costs beyond its pixels: the key, the node and the image
// header. It also bounds how many failed files the cache remembers.
constexpr qsizetype EntryOverheadBytes = 256;

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

// Keys a page's requests, asking for each photo's size and time by its name
// inside its folder, opened once: over a network drive a path costs a look-up
// of every folder on its way. A photo that is missing or not a file has the
// time 0.
class PageKeys {
public:
    PageKeys() = default;
    PageKeys(const PageKeys&) = delete;
    PageKeys& operator=(const PageKeys&) = delete;
    ~PageKeys() { closeFolder(); }

    ThumbnailKey keyFor(const ThumbnailRequest& request) {
        const QFileInfo path(request.hostPath);
        if (path.absolutePath() != m_folder) {
            closeFolder();
            m_folder = path.absolutePath();
            m_descriptor =
                ::open(QFile::encodeName(m_folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        struct stat status {};
        if (m_descriptor < 0 ||
            ::fstatat(m_descriptor, QFile::encodeName(path.fileName()).constData(), &status, 0) !=
                0 ||
            !S_ISREG(status.st_mode))
            return {request.hostPath, 0, 0, request.width, request.fixedHeight};
        return {request.hostPath, status.st_size,
                status.st_mtim.tv_sec * 1000 + status.st_mtim.tv_nsec / 1000000, request.width,
                request.fixedHeight};
    }

private:
    void closeFolder() {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = -1;
    }

    QString m_folder;
    int m_descriptor = -1;
};

std::optional<FileStamp> stampOf(const ThumbnailKey& key) {
    if (key.modified == 0)
        return std::nullopt;
    return FileStamp{QDateTime::fromMSecsSinceEpoch(key.modified).toSecsSinceEpoch(), key.fileSize};
}

using Promise = QPromise<Thumbnail>;

// A thumbnail being made, and by whom.
struct Work {
    QFuture<Thumbnail> future;
    const Promise* promise = nullptr;
    bool background = false;
};

// What a page finds for one photo: the thumbnail, the work making it, or
// the promise it must keep itself.
struct Found {
    ThumbnailKey key;
    std::optional<Thumbnail> ready;
    QFuture<Thumbnail> pending;
    std::shared_ptr<Promise> claim;
};

// A photo that has no cheap small decode (HEIC without a thumbnail) takes
// seconds: meanwhile the window goes on painting and answering the desktop,
// though the pupil's clicks and keys wait until the page is drawn. False when
// the photo has not come by the deadline.
bool waitAnsweringTheWindow(const QFuture<Thumbnail>& pending, const QDeadlineTimer& deadline) {
    if (pending.isFinished())
        return true;
    QEventLoop loop;
    QFutureWatcher<Thumbnail> watcher;
    QObject::connect(&watcher, &QFutureWatcher<Thumbnail>::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline.remainingTimeAsDuration()),
        &loop, &QEventLoop::quit);
    watcher.setFuture(pending);
    if (!pending.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return pending.isFinished();
}

} // namespace

QSize thumbnailBox(const QSize& photoSize, int width, int fixedHeight) {
    if (photoSize.width() <= 0)
        return {};
    if (fixedHeight > 0)
        return fittedSize(photoSize, {width, fixedHeight});
    return {width, roundHalfEven(double(width) * photoSize.height() / photoSize.width())};
}

// Shared by the loader and the work it started, so that work stuck in a file
// system outlives a loader that could not wait for it.
struct ThumbnailLoader::Private : std::enable_shared_from_this<Private> {
    Private(qint64 cacheBytes, QString diskRoot, std::chrono::milliseconds answerTime)
        : disk(std::move(diskRoot)), packs(std::min(answerTime, PackLockWait)), memory(cacheBytes),
          answerTime(answerTime), pool(new QThreadPool), background(new QThreadPool) {
        pool->setMaxThreadCount(2);
        background->setMaxThreadCount(1);
        background->setThreadPriority(QThread::IdlePriority);
    }

    // Background work of an older generation stops before its next photo.
    void cancelBackground() {
        {
            const QMutexLocker lock(&mutex);
            ++generation;
        }
        background->clear();
    }

    // Waits for the work still going, at most the answer time.
    bool waitForWork() {
        const QDeadlineTimer deadline(answerTime);
        return pool->waitForDone(int(deadline.remainingTime())) &&
               background->waitForDone(int(deadline.remainingTime()));
    }

    // False when future is not finished by the deadline.
    bool waitFor(const QFuture<Thumbnail>& future, const QDeadlineTimer& deadline) {
        QMutexLocker lock(&mutex);
        while (!future.isFinished()) {
            if (!finished.wait(&mutex, deadline))
                return future.isFinished();
        }
        return true;
    }

    // The visible page never waits for the idle thread: it makes a photo
    // itself even while the background makes it too.
    Found find(const ThumbnailKey& key, bool forBackground) {
        const QMutexLocker lock(&mutex);
        if (const Thumbnail* thumbnail = memory.object(key))
            return {key, *thumbnail, {}, {}};
        const auto work = inFlight.constFind(key);
        if (work != inFlight.cend() && (forBackground || !work->background))
            return {key, std::nullopt, work->future, {}};
        auto claim = std::make_shared<Promise>();
        claim->start();
        inFlight.insert(key, {claim->future(), claim.get(), forBackground});
        return {key, std::nullopt, {}, std::move(claim)};
    }

    // Called with the mutex held. A key already held has the same thumbnail,
    // so it only moves to the front: QCache::insert() over a held key makes
    // room for the new cost before it lets the old one go, and would drop
    // one entry more than it must.
    void remember(const ThumbnailKey& key, const Thumbnail& thumbnail) {
        if (memory.object(key))
            return;
        const qsizetype cost = thumbnail.image.sizeInBytes() +
                               key.hostPath.size() * qsizetype(sizeof(QChar)) + EntryOverheadBytes;
        memory.insert(key, new Thumbnail(thumbnail), cost);
    }

    void make(const ThumbnailRequest& request, const ThumbnailKey& key, Promise& promise) {
        bool decoded = false;
        const Thumbnail thumbnail = makeThumbnail(disk, packs, request, stampOf(key), decoded);
        if (decoded)
            ++decodeCount;
        {
            const QMutexLocker lock(&mutex);
            remember(key, thumbnail);
            if (inFlight.value(key).promise == &promise)
                inFlight.remove(key);
        }
        promise.addResult(thumbnail);
        promise.finish();
        const QMutexLocker lock(&mutex);
        finished.wakeAll();
    }

    // The page's own photos go to the worker threads.
    Found start(const ThumbnailRequest& request, const ThumbnailKey& key) {
        Found found = find(key, false);
        if (found.claim) {
            pool->start([self = shared_from_this(), request, key, claim = found.claim] {
                self->make(request, key, *claim);
            });
            found.pending = found.claim->future();
        }
        return found;
    }

    void runBackground(const std::vector<ThumbnailRequest>& requests, quint64 asked) {
        PageKeys keys;
        for (const ThumbnailRequest& request : requests) {
            {
                const QMutexLocker lock(&mutex);
                if (generation != asked)
                    return;
            }
            const ThumbnailKey key = keys.keyFor(request);
            const Found found = find(key, true);
            if (found.claim)
                make(request, key, *found.claim);
        }
        packs.flush();
    }

    void removeFromMemory(const QString& hostPath) {
        const QMutexLocker lock(&mutex);
        for (const ThumbnailKey& key : memory.keys()) {
            if (key.hostPath == hostPath)
                memory.remove(key);
        }
    }

    // No work still going can write an entry back after it is removed, unless
    // it is stuck in a file system that stopped answering. A folder about to
    // go takes its pack with it, so its photos' entries need no removal.
    void forget(const QStringList& hostPaths, bool fromPacks) {
        cancelBackground();
        waitForWork();
        for (const QString& hostPath : hostPaths) {
            removeFromMemory(hostPath);
            disk.forget(hostPath);
        }
        if (fromPacks)
            packs.forget(hostPaths);
    }

    const DesktopThumbnailCache disk;
    FolderPacks packs;
    mutable QMutex mutex;
    QCache<ThumbnailKey, Thumbnail> memory;
    QHash<ThumbnailKey, Work> inFlight;
    QWaitCondition finished;
    quint64 generation = 0;
    std::atomic<int> decodeCount = 0;
    const std::chrono::milliseconds answerTime;
    // Deleted by the loader once they are idle, else never: a pool waits for
    // its threads when it goes.
    QThreadPool* pool;
    QThreadPool* background;
};

ThumbnailLoader::ThumbnailLoader(qint64 cacheBytes, QString diskCacheRoot,
                                 std::chrono::milliseconds answerTime)
    : d(std::make_shared<Private>(cacheBytes, std::move(diskCacheRoot), answerTime)) {}

ThumbnailLoader::~ThumbnailLoader() {
    d->cancelBackground();
    d->pool->clear();
    if (d->waitForWork()) {
        delete d->pool;
        delete d->background;
    }
}

void ThumbnailLoader::loadPage(const std::vector<ThumbnailRequest>& requests,
                               const std::function<void(int, const Thumbnail&)>& onReady) {
    d->cancelBackground();
    d->packs.beginPage();
    std::vector<Found> page;
    page.reserve(requests.size());
    PageKeys keys;
    for (const ThumbnailRequest& request : requests)
        page.push_back(d->start(request, keys.keyFor(request)));

    QDeadlineTimer deadline(d->answerTime);
    for (size_t i = 0; i < page.size(); ++i) {
        Found& found = page[i];
        if (!found.ready) {
            const bool came = QCoreApplication::instance()
                                  ? waitAnsweringTheWindow(found.pending, deadline)
                                  : d->waitFor(found.pending, deadline);
            if (!came) {
                onReady(int(i), Thumbnail{{}, {}, true});
                continue;
            }
            deadline.setRemainingTime(d->answerTime);
            found.ready = found.pending.result();
            // The workers finish in any order; the page's order is the one
            // the cache should drop by.
            const QMutexLocker lock(&d->mutex);
            d->remember(found.key, *found.ready);
        }
        onReady(int(i), *found.ready);
    }
    // What this page made goes to the other machines once it is drawn.
    d->pool->start([priv = d] { priv->packs.flush(); });
}

void ThumbnailLoader::prefetch(std::vector<ThumbnailRequest> requests) {
    d->cancelBackground();
    if (requests.empty())
        return;
    quint64 asked = 0;
    {
        const QMutexLocker lock(&d->mutex);
        asked = d->generation;
    }
    d->background->start([priv = d, requests = std::move(requests), asked] {
        priv->runBackground(requests, asked);
    });
}

void ThumbnailLoader::prepare(const std::vector<ThumbnailRequest>& requests) {
    PageKeys keys;
    for (const ThumbnailRequest& request : requests)
        d->start(request, keys.keyFor(request));
}

bool ThumbnailLoader::waitForIdle(int msecs) {
    const QDeadlineTimer deadline(msecs);
    return d->pool->waitForDone(int(deadline.remainingTime())) &&
           d->background->waitForDone(int(deadline.remainingTime()));
}

void ThumbnailLoader::forget(const QString& hostPath) {
    d->forget({hostPath}, true);
}

void ThumbnailLoader::forgetFolder(const QString& hostFolder) {
    const QDir folder(hostFolder);
    QStringList paths;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        paths << folder.filePath(name);
    d->forget(paths, false);
    SharedThumbnailFolder::forgetFolder(hostFolder);
}

void ThumbnailLoader::clearCache() {
    const QMutexLocker lock(&d->mutex);
    d->memory.clear();
}

qint64 ThumbnailLoader::cachedBytes() const {
    const QMutexLocker lock(&d->mutex);
    return d->memory.totalCost();
}

int ThumbnailLoader::decodeCount() const {
    return d->decodeCount;
}
