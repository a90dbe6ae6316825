// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/thumbnail_loader.h"
#include "support/test_photos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST(ThumbnailBox, FollowsThePhotoOrTheFixedHeight) {
    const struct {
        QSize photo;
        int width;
        int fixedHeight;
        QSize box;
    } cases[] = {
        {{640, 480}, 130, 0, {130, 98}},     // 97.5 goes to the even 98
        {{480, 640}, 130, 0, {130, 173}},    // 173.33
        {{4, 1}, 130, 0, {130, 32}},         // 32.5 goes to the even 32
        {{1800, 1200}, 130, 0, {130, 87}},   // 86.67
        {{1800, 1200}, 144, 108, {144, 96}}, // inside the box in its proportions
        {{1200, 1800}, 144, 108, {72, 108}}, // whatever the photo's shape
        {{480, 640}, 130, 98, {74, 98}},     // 73.5 goes to the even 74
        {{}, 130, 0, {}},                    // an unreadable photo has no box
    };
    for (const auto& c : cases)
        EXPECT_EQ(thumbnailBox(c.photo, c.width, c.fixedHeight), c.box) << c.photo.width();
}

void setModified(const QString& file, const QDateTime& time) {
    QFile touched(file);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(time, QFileDevice::FileModificationTime));
}

struct Delivered {
    int index;
    Thumbnail thumbnail;
    QThread* thread;
};

class ThumbnailLoaderTest : public ::testing::Test {
protected:
    QString photo(const QString& name, const QSize& size, const TestJpegOptions& options = {}) {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(writeTestJpeg(file, size, options));
        return file;
    }

    std::vector<Delivered> load(ThumbnailLoader& loader,
                                const std::vector<ThumbnailRequest>& page) {
        std::vector<Delivered> delivered;
        loader.loadPage(page, [&](int index, const Thumbnail& thumbnail) {
            delivered.push_back({index, thumbnail, QThread::currentThread()});
        });
        return delivered;
    }

    QTemporaryDir dir;
};

TEST_F(ThumbnailLoaderTest, DeliversEveryCellInOrderOnTheCallingThread) {
    // A large photo first, so later ones are ready before it.
    std::vector<ThumbnailRequest> page = {
        {photo(QStringLiteral("big.jpg"), QSize(2400, 1800), {.noise = true}), 130, 0},
        {photo(QStringLiteral("small.jpg"), QSize(64, 48)), 130, 0},
        {photo(QStringLiteral("turned.jpg"), QSize(480, 640), {.orientation = 6}), 130, 0},
        {dir.filePath(QStringLiteral("missing.jpg")), 130, 0},
        {photo(QStringLiteral("last.jpg"), QSize(300, 400)), 144, 108},
    };
    ThumbnailLoader loader;
    const std::vector<Delivered> delivered = load(loader, page);

    ASSERT_EQ(delivered.size(), page.size());
    for (size_t i = 0; i < delivered.size(); ++i) {
        EXPECT_EQ(delivered[i].index, int(i));
        EXPECT_EQ(delivered[i].thread, QThread::currentThread());
    }
    EXPECT_EQ(delivered[0].thumbnail.photoSize, QSize(2400, 1800));
    EXPECT_EQ(delivered[0].thumbnail.image.size(), QSize(130, 98));
    EXPECT_TRUE(showsTestPicture(delivered[0].thumbnail.image));
    EXPECT_EQ(delivered[2].thumbnail.photoSize, QSize(480, 640));
    EXPECT_EQ(delivered[2].thumbnail.image.size(), QSize(130, 173));
    EXPECT_TRUE(showsTestPicture(delivered[2].thumbnail.image));
    EXPECT_FALSE(delivered[3].thumbnail.photoSize.isValid());
    EXPECT_TRUE(delivered[3].thumbnail.image.isNull());
    // A fixed box takes the photo whole, in its proportions.
    EXPECT_EQ(delivered[4].thumbnail.photoSize, QSize(300, 400));
    EXPECT_EQ(delivered[4].thumbnail.image.size(), QSize(81, 108));
    EXPECT_TRUE(showsTestPicture(delivered[4].thumbnail.image));
}

TEST_F(ThumbnailLoaderTest, UndecodableFilesGiveEmptyThumbnails) {
    QFile text(dir.filePath(QStringLiteral("text.JPG")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a photo");
    text.close();
    const QString whole = photo(QStringLiteral("whole.jpg"), QSize(64, 48));
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    ASSERT_TRUE(writeTruncatedCopy(whole, cut, 50));

    ThumbnailLoader loader;
    const std::vector<Delivered> delivered =
        load(loader, {{text.fileName(), 130, 0}, {cut, 144, 108}});
    ASSERT_EQ(delivered.size(), 2u);
    for (const Delivered& cell : delivered) {
        EXPECT_FALSE(cell.thumbnail.photoSize.isValid());
        EXPECT_TRUE(cell.thumbnail.image.isNull());
    }
}

TEST_F(ThumbnailLoaderTest, PageShownAgainComesFromTheCache) {
    std::vector<ThumbnailRequest> page;
    for (int i = 0; i < 6; ++i)
        page.push_back({photo(QStringLiteral("p%1.jpg").arg(i), QSize(320, 240)), 130, 0});
    page.push_back({dir.filePath(QStringLiteral("missing.jpg")), 130, 0});

    ThumbnailLoader loader;
    const std::vector<Delivered> first = load(loader, page);
    EXPECT_EQ(loader.decodeCount(), 7);
    EXPECT_GT(loader.cachedBytes(), 6 * 130 * 98 * 4);

    const std::vector<Delivered> second = load(loader, page);
    EXPECT_EQ(loader.decodeCount(), 7);
    ASSERT_EQ(second.size(), first.size());
    for (size_t i = 0; i < second.size(); ++i) {
        EXPECT_EQ(second[i].index, int(i));
        EXPECT_EQ(second[i].thumbnail.photoSize, first[i].thumbnail.photoSize);
        EXPECT_EQ(second[i].thumbnail.image, first[i].thumbnail.image);
    }

    loader.clearCache();
    EXPECT_EQ(loader.cachedBytes(), 0);
    load(loader, page);
    EXPECT_EQ(loader.decodeCount(), 14);
}

TEST_F(ThumbnailLoaderTest, ChangedFileOrOtherBoxIsMadeAgain) {
    const QString file = photo(QStringLiteral("p.jpg"), QSize(320, 240));
    ThumbnailLoader loader;
    load(loader, {{file, 130, 0}});
    ASSERT_EQ(loader.decodeCount(), 1);

    load(loader, {{file, 144, 108}});
    EXPECT_EQ(loader.decodeCount(), 2);

    // Replaced by a photo of other proportions, even one that keeps the old
    // time: the old thumbnail is stale.
    const QDateTime written = QFileInfo(file).lastModified();
    ASSERT_TRUE(writeTestJpeg(file, QSize(240, 320), {.noise = true}));
    setModified(file, written);
    const std::vector<Delivered> delivered = load(loader, {{file, 130, 0}});
    EXPECT_EQ(loader.decodeCount(), 3);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].thumbnail.photoSize, QSize(240, 320));
    EXPECT_EQ(delivered[0].thumbnail.image.size(), QSize(130, 173));

    // Same size, newer time: made again as well.
    setModified(file, written.addSecs(60));
    load(loader, {{file, 130, 0}});
    EXPECT_EQ(loader.decodeCount(), 4);
}

TEST_F(ThumbnailLoaderTest, CacheStaysWithinItsBytesDroppingTheLeastRecent) {
    // The small layout's box for a 4:3 photo, 130 x 98, at 32 bits a pixel;
    // the bound holds three and their bookkeeping, not four.
    const qint64 oneThumbnail = 130 * 98 * 4;
    const qint64 bound = 3 * oneThumbnail + 3 * 1024;
    ThumbnailLoader loader(bound);
    // The large photo is made last, so the page takes it when the cache is
    // already full.
    const std::vector<ThumbnailRequest> page = {
        {photo(QStringLiteral("p0.jpg"), QSize(64, 48)), 130, 0},
        {photo(QStringLiteral("p1.jpg"), QSize(64, 48)), 130, 0},
        {photo(QStringLiteral("p2.jpg"), QSize(2400, 1800), {.noise = true}), 130, 0},
    };
    const ThumbnailRequest fourth = {photo(QStringLiteral("p3.jpg"), QSize(64, 48)), 130, 0};

    load(loader, page);
    EXPECT_EQ(loader.decodeCount(), 3);
    EXPECT_LE(loader.cachedBytes(), bound);
    EXPECT_GE(loader.cachedBytes(), 3 * oneThumbnail);
    load(loader, page);
    EXPECT_EQ(loader.decodeCount(), 3);

    // A fourth drops the least recent of the page, and only it.
    load(loader, {fourth});
    EXPECT_EQ(loader.decodeCount(), 4);
    EXPECT_LE(loader.cachedBytes(), bound);
    load(loader, {page[1], page[2], fourth});
    EXPECT_EQ(loader.decodeCount(), 4);
    load(loader, {page[0]});
    EXPECT_EQ(loader.decodeCount(), 5);
}

TEST_F(ThumbnailLoaderTest, EmptyPageCallsNothing) {
    ThumbnailLoader loader;
    EXPECT_TRUE(load(loader, {}).empty());
    EXPECT_EQ(loader.decodeCount(), 0);
}

// The loader with the shared cache in a folder of the test's own.
class PersistentThumbnails : public ThumbnailLoaderTest {
protected:
    QString cacheRoot() const { return dir.filePath(QStringLiteral("cache/thumbnails")); }
    std::unique_ptr<ThumbnailLoader> startLoader() const {
        return std::make_unique<ThumbnailLoader>(ThumbnailLoader::DefaultCacheBytes, cacheRoot());
    }
    QString entryOf(const QString& file) const {
        return DesktopThumbnailCache(cacheRoot()).largeEntryPath(file);
    }
    static FileStamp stampOf(const QString& file) {
        const QFileInfo info(file);
        return {info.lastModified().toSecsSinceEpoch(), info.size()};
    }
    static qint64 entryMTime(const QString& entry) {
        return QImage(entry, "png").text(QStringLiteral("Thumb::MTime")).toLongLong();
    }
    std::vector<ThumbnailRequest> photoPage(int count, QSize size = {640, 480}) {
        std::vector<ThumbnailRequest> page;
        for (int i = 0; i < count; ++i)
            page.push_back({photo(QStringLiteral("写真 %1.JPG").arg(i), size), 130, 0});
        return page;
    }
};

TEST_F(PersistentThumbnails, NewLoaderDrawsFromTheDiskCacheWithTheSamePixels) {
    const std::vector<ThumbnailRequest> page = photoPage(3);
    std::vector<Delivered> first;
    {
        const auto loader = startLoader();
        first = load(*loader, page);
        EXPECT_EQ(loader->decodeCount(), 3);
    }
    for (const ThumbnailRequest& request : page) {
        const QImage entry(entryOf(request.hostPath));
        EXPECT_EQ(entry.size(), QSize(256, 192)) << request.hostPath.toStdString();
    }

    const auto restarted = startLoader();
    const std::vector<Delivered> second = load(*restarted, page);
    EXPECT_EQ(restarted->decodeCount(), 0);
    ASSERT_EQ(second.size(), 3u);
    for (size_t i = 0; i < second.size(); ++i) {
        EXPECT_EQ(second[i].thumbnail.photoSize, QSize(640, 480));
        EXPECT_EQ(second[i].thumbnail.image.size(), QSize(130, 98));
        // As the page showed it without a cache, within rounding.
        const QImage direct = decodePhotoScaled(page[i].hostPath, QSize(130, 98));
        EXPECT_LT(meanDifference(second[i].thumbnail.image, direct), 3.0);
        EXPECT_LT(meanDifference(second[i].thumbnail.image, first[i].thumbnail.image), 1.0);
    }
}

TEST_F(PersistentThumbnails, ChangedPhotoIsDecodedAgainAndItsEntryReplaced) {
    const std::vector<ThumbnailRequest> page = photoPage(1);
    const QString file = page[0].hostPath;
    startLoader()->loadPage(page, [](int, const Thumbnail&) {});
    const QDateTime written = QFileInfo(file).lastModified();

    setModified(file, written.addSecs(3600));
    const auto restarted = startLoader();
    load(*restarted, page);
    EXPECT_EQ(restarted->decodeCount(), 1);
    EXPECT_EQ(entryMTime(entryOf(file)), written.addSecs(3600).toSecsSinceEpoch());

    // Same time, other size: a new photo copied over with its time kept.
    ASSERT_TRUE(writeTestJpeg(file, QSize(480, 640), {.noise = true}));
    setModified(file, written.addSecs(3600));
    const auto again = startLoader();
    const std::vector<Delivered> delivered = load(*again, page);
    EXPECT_EQ(again->decodeCount(), 1);
    EXPECT_EQ(delivered[0].thumbnail.photoSize, QSize(480, 640));
    EXPECT_EQ(delivered[0].thumbnail.image.size(), QSize(130, 173));
}

TEST_F(PersistentThumbnails, ForeignEntryIsUsedAndACorruptOneReplaced) {
    const std::vector<ThumbnailRequest> page = photoPage(2);
    ASSERT_TRUE(QDir().mkpath(cacheRoot() + QStringLiteral("/large")));
    // As a file manager writes it: its own picture, no photo dimensions.
    QImage foreign(256, 192, QImage::Format_RGB32);
    foreign.fill(QColor(0, 160, 0));
    foreign.setText(QStringLiteral("Thumb::URI"), DesktopThumbnailCache::fileUri(page[0].hostPath));
    foreign.setText(QStringLiteral("Thumb::MTime"),
                    QString::number(stampOf(page[0].hostPath).modifiedSecs));
    ASSERT_TRUE(foreign.save(entryOf(page[0].hostPath), "PNG"));
    QFile corrupt(entryOf(page[1].hostPath));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG broken");
    corrupt.close();

    const auto loader = startLoader();
    const std::vector<Delivered> delivered = load(*loader, page);
    EXPECT_EQ(loader->decodeCount(), 1);
    EXPECT_EQ(delivered[0].thumbnail.photoSize, QSize(640, 480)); // from the photo's header
    EXPECT_EQ(delivered[0].thumbnail.image.pixelColor(60, 40), QColor(0, 160, 0));
    EXPECT_TRUE(showsTestPicture(delivered[1].thumbnail.image));
    EXPECT_EQ(
        DesktopThumbnailCache(cacheRoot()).find(page[1].hostPath, stampOf(page[1].hostPath)).kind,
        DesktopThumbnailCache::Entry::Found);
}

TEST_F(PersistentThumbnails, UndecodablePhotoIsTriedOnce) {
    QFile text(dir.filePath(QStringLiteral("text.JPG")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a photo");
    text.close();
    const std::vector<ThumbnailRequest> page = {
        {text.fileName(), 144, 108}, {dir.filePath(QStringLiteral("gone.JPG")), 144, 108}};
    const auto loader = startLoader();
    load(*loader, page);
    EXPECT_TRUE(QFile::exists(DesktopThumbnailCache(cacheRoot()).failEntryPath(text.fileName())));
    EXPECT_FALSE(QFile::exists(DesktopThumbnailCache(cacheRoot()).failEntryPath(page[1].hostPath)));

    const auto restarted = startLoader();
    const std::vector<Delivered> delivered = load(*restarted, page);
    EXPECT_EQ(restarted->decodeCount(), 1); // only the missing file is looked at again
    EXPECT_TRUE(delivered[0].thumbnail.image.isNull());
    EXPECT_FALSE(delivered[0].thumbnail.photoSize.isValid());
}

TEST_F(PersistentThumbnails, OnlyPhotosLargerThanAnEntryWithoutACameraThumbnailAreKept) {
    const QString small = photo(QStringLiteral("small.JPG"), QSize(256, 192));
    const QString withThumbnail =
        photo(QStringLiteral("camera.JPG"), QSize(1600, 1200), {.exifThumbnail = QSize(160, 120)});
    const QString plain = photo(QStringLiteral("plain.JPG"), QSize(1600, 1200));
    const auto loader = startLoader();
    load(*loader, {{small, 144, 108}, {withThumbnail, 144, 108}, {plain, 144, 108}});
    EXPECT_FALSE(QFile::exists(entryOf(small)));
    EXPECT_FALSE(QFile::exists(entryOf(withThumbnail)));
    EXPECT_TRUE(QFile::exists(entryOf(plain)));
}

TEST_F(PersistentThumbnails, UnwritableCacheChangesNothingForThePage) {
    ASSERT_TRUE(QDir().mkpath(cacheRoot()));
    QFile blocker(cacheRoot() + QStringLiteral("/large"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const std::vector<ThumbnailRequest> page = photoPage(2);
    const auto loader = startLoader();
    const std::vector<Delivered> delivered = load(*loader, page);
    ASSERT_EQ(delivered.size(), 2u);
    for (const Delivered& cell : delivered)
        EXPECT_TRUE(showsTestPicture(cell.thumbnail.image));
    load(*loader, page);
    EXPECT_EQ(loader->decodeCount(), 2);
}

TEST_F(PersistentThumbnails, ForgottenPhotosLeaveNoEntry) {
    const std::vector<ThumbnailRequest> page = photoPage(3);
    const auto loader = startLoader();
    load(*loader, page);
    const qint64 before = loader->cachedBytes();

    loader->forget(page[0].hostPath);
    EXPECT_FALSE(QFile::exists(entryOf(page[0].hostPath)));
    EXPECT_TRUE(QFile::exists(entryOf(page[1].hostPath)));
    EXPECT_LT(loader->cachedBytes(), before);

    loader->forgetFolder(dir.path());
    for (const ThumbnailRequest& request : page)
        EXPECT_FALSE(QFile::exists(entryOf(request.hostPath)));
    EXPECT_EQ(loader->cachedBytes(), 0);
}

TEST_F(PersistentThumbnails, PrefetchedAndPreparedPhotosAreMadeOnce) {
    const std::vector<ThumbnailRequest> next = photoPage(4);
    const auto loader = startLoader();
    loader->prefetch(next);
    ASSERT_TRUE(loader->waitForIdle(30000));
    EXPECT_EQ(loader->decodeCount(), 4);
    for (const ThumbnailRequest& request : next)
        EXPECT_TRUE(QFile::exists(entryOf(request.hostPath)));
    load(*loader, next);
    EXPECT_EQ(loader->decodeCount(), 4);

    // Photos being made when the page asks for them are waited for, not made twice.
    std::vector<ThumbnailRequest> imported;
    for (int i = 0; i < 4; ++i)
        imported.push_back({photo(QStringLiteral("new%1.JPG").arg(i), {1600, 1200}), 144, 108});
    loader->prepare(imported);
    const std::vector<Delivered> delivered = load(*loader, imported);
    EXPECT_EQ(loader->decodeCount(), 8);
    for (const Delivered& cell : delivered)
        EXPECT_TRUE(showsTestPicture(cell.thumbnail.image));
}

} // namespace
