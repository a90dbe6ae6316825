// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/desktop_thumbnail_cache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(DesktopThumbnailCacheNames, UrisArePercentEncodedAndHashed) {
    const struct {
        const char* path;
        const char* uri;
    } cases[] = {
        {"/home/jens/photos/me.png", "file:///home/jens/photos/me.png"},
        // え ん そ く in UTF-8, and the space.
        {"/tmp/class 3/えんそく.JPG",
         "file:///tmp/class%203/%E3%81%88%E3%82%93%E3%81%9D%E3%81%8F.JPG"},
        {"/x/100%;#?[].jpg", "file:///x/100%25%3B%23%3F%5B%5D.jpg"},
        {"/x/a(1)+b,c=d@e!$&'*~_-.jpg", "file:///x/a(1)+b,c=d@e!$&'*~_-.jpg"},
        {"/x/../y//z.jpg", "file:///y/z.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DesktopThumbnailCache::fileUri(QString::fromUtf8(c.path)),
                  QString::fromUtf8(c.uri))
            << c.path;
    }
    // The example the standard gives.
    EXPECT_EQ(DesktopThumbnailCache::entryName(QStringLiteral("file:///home/jens/photos/me.png")),
              QStringLiteral("c6ee772d9e49320e97ec29a7eb5b1697.png"));
}

class DesktopThumbnailCacheTest : public ::testing::Test {
protected:
    QString root() const { return dir.filePath(QStringLiteral("cache/thumbnails")); }
    QString photo() const { return dir.filePath(QStringLiteral("えんそく 1.JPG")); }
    static QImage picture() {
        QImage image(256, 192, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        return image;
    }
    static QFile::Permissions modeOf(const QString& path) {
        return QFileInfo(path).permissions() &
               ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    }

    QTemporaryDir dir;
    const FileStamp stamp{1700000000, 123456};
};

TEST_F(DesktopThumbnailCacheTest, EntryRoundTripsWithItsKeysAndOwnerOnlyModes) {
    const DesktopThumbnailCache cache(root());
    cache.store(photo(), stamp, picture(), {4000, 3000});

    const QString uri = DesktopThumbnailCache::fileUri(photo());
    const QString entry =
        root() + QStringLiteral("/large/") + DesktopThumbnailCache::entryName(uri);
    EXPECT_EQ(cache.largeEntryPath(photo()), entry);
    const QImage written(entry, "png");
    EXPECT_EQ(written.text(QStringLiteral("Thumb::URI")), uri);
    EXPECT_EQ(written.text(QStringLiteral("Thumb::MTime")), QStringLiteral("1700000000"));
    EXPECT_EQ(written.text(QStringLiteral("Thumb::Size")), QStringLiteral("123456"));
    EXPECT_EQ(modeOf(entry), QFile::ReadOwner | QFile::WriteOwner);
    const auto folderMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    EXPECT_EQ(modeOf(root()), folderMode);
    EXPECT_EQ(modeOf(root() + QStringLiteral("/large")), folderMode);
    // Only the entry: the temporary file was renamed onto it.
    EXPECT_EQ(QDir(root() + QStringLiteral("/large")).entryList(QDir::Files).size(), 1);

    const DesktopThumbnailCache::Entry found = cache.find(photo(), stamp);
    EXPECT_EQ(found.kind, DesktopThumbnailCache::Entry::Found);
    EXPECT_EQ(found.image.convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(found.photoSize, QSize(4000, 3000));

    // Another time or size is another photo.
    EXPECT_EQ(cache.find(photo(), {stamp.modifiedSecs + 1, stamp.size}).kind,
              DesktopThumbnailCache::Entry::Missing);
    EXPECT_EQ(cache.find(photo(), {stamp.modifiedSecs, stamp.size - 1}).kind,
              DesktopThumbnailCache::Entry::Missing);
}

TEST_F(DesktopThumbnailCacheTest, ForeignEntriesCountByTheirKeys) {
    const DesktopThumbnailCache cache(root());
    ASSERT_TRUE(QDir().mkpath(root() + QStringLiteral("/large")));
    const QString uri = DesktopThumbnailCache::fileUri(photo());
    const auto writeForeign = [&](const QString& entryUri, const QString& mtime) {
        QImage image = picture();
        image.setText(QStringLiteral("Thumb::URI"), entryUri);
        image.setText(QStringLiteral("Thumb::MTime"), mtime);
        ASSERT_TRUE(image.save(cache.largeEntryPath(photo()), "PNG"));
    };

    // Without a size or the photo's dimensions, as some file managers write.
    writeForeign(uri, QStringLiteral("1700000000"));
    DesktopThumbnailCache::Entry found = cache.find(photo(), stamp);
    EXPECT_EQ(found.kind, DesktopThumbnailCache::Entry::Found);
    EXPECT_FALSE(found.photoSize.isValid());

    writeForeign(QStringLiteral("file:///elsewhere.jpg"), QStringLiteral("1700000000"));
    EXPECT_EQ(cache.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);
    writeForeign(uri, QString());
    EXPECT_EQ(cache.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);

    QFile corrupt(cache.largeEntryPath(photo()));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG\r\n\x1a\n not really");
    corrupt.close();
    EXPECT_EQ(cache.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);
}

// Whoever shares the account can plant them; a pipe would block the reader.
TEST_F(DesktopThumbnailCacheTest, ALinkOrAPipeInPlaceOfAnEntryIsNoEntry) {
    const DesktopThumbnailCache cache(root());
    cache.store(photo(), stamp, picture(), {4000, 3000});
    const QString entry = cache.largeEntryPath(photo());
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.png"));
    ASSERT_TRUE(QFile::rename(entry, elsewhere));
    ASSERT_TRUE(QFile::link(elsewhere, entry));
    EXPECT_EQ(cache.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);

    ASSERT_TRUE(QFile::remove(entry));
    ASSERT_EQ(::mkfifo(QFile::encodeName(entry).constData(), 0600), 0);
    EXPECT_EQ(cache.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);
}

TEST_F(DesktopThumbnailCacheTest, FailureEntriesAndForgetting) {
    const DesktopThumbnailCache cache(root());
    cache.storeFailure(photo(), stamp);
    EXPECT_TRUE(cache.failEntryPath(photo()).startsWith(root() + QStringLiteral("/fail/")));
    EXPECT_EQ(cache.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Failed);
    EXPECT_EQ(cache.find(photo(), {stamp.modifiedSecs + 60, stamp.size}).kind,
              DesktopThumbnailCache::Entry::Missing);

    // The file managers' own sizes of the photo go as well.
    cache.store(photo(), stamp, picture(), {4000, 3000});
    const QString name = QFileInfo(cache.largeEntryPath(photo())).fileName();
    QStringList entries = {cache.largeEntryPath(photo()), cache.failEntryPath(photo())};
    for (const char* size : {"normal", "x-large", "xx-large"}) {
        const QString folder = root() + QLatin1Char('/') + QLatin1String(size);
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(picture().save(folder + QLatin1Char('/') + name, "PNG"));
        entries << folder + QLatin1Char('/') + name;
    }
    const QString other = dir.filePath(QStringLiteral("other.JPG"));
    cache.store(other, stamp, picture(), {4000, 3000});

    cache.forget(photo());
    for (const QString& entry : entries)
        EXPECT_FALSE(QFile::exists(entry)) << entry.toStdString();
    EXPECT_TRUE(QFile::exists(cache.largeEntryPath(other)));
}

TEST_F(DesktopThumbnailCacheTest, UnwritableOrMissingCacheIsSilent) {
    // A file where the large folder belongs blocks every write, even root's.
    ASSERT_TRUE(QDir().mkpath(root()));
    QFile blocker(root() + QStringLiteral("/large"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const DesktopThumbnailCache blocked(root());
    blocked.store(photo(), stamp, picture(), {4000, 3000});
    EXPECT_EQ(blocked.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);
    blocked.forget(photo());

    // No root at all: nothing is kept and nothing is written anywhere.
    const DesktopThumbnailCache none;
    EXPECT_FALSE(none.enabled());
    none.store(photo(), stamp, picture(), {4000, 3000});
    EXPECT_EQ(none.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Missing);
}

// A folder this user cannot write into: by its permissions, or for root, who
// writes past them, by the file system's immutable flag.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& path) : m_path(path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        if (canWrite() && QProcess::execute(QStringLiteral("chattr"), {"+i", path}) == 0)
            m_immutable = true;
    }
    ~UnwritableFolder() {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {"-i", m_path});
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool canWrite() const {
        QFile probe(m_path + QStringLiteral("/probe"));
        return probe.open(QIODevice::WriteOnly) && probe.remove();
    }

private:
    QString m_path;
    bool m_immutable = false;
};

TEST_F(DesktopThumbnailCacheTest, ReadOnlyCacheIsReadButNotWritten) {
    const DesktopThumbnailCache readOnly(dir.filePath(QStringLiteral("ro/thumbnails")));
    readOnly.store(photo(), stamp, picture(), {4000, 3000});
    const UnwritableFolder large(QFileInfo(readOnly.largeEntryPath(photo())).path());
    if (large.canWrite())
        GTEST_SKIP() << "this user writes into read-only folders, and chattr +i is refused here";
    const QString second = dir.filePath(QStringLiteral("second.JPG"));
    readOnly.store(second, stamp, picture(), {4000, 3000});
    EXPECT_FALSE(QFile::exists(readOnly.largeEntryPath(second)));
    EXPECT_EQ(readOnly.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Found);
    readOnly.forget(photo());
    EXPECT_EQ(readOnly.find(photo(), stamp).kind, DesktopThumbnailCache::Entry::Found);
}

} // namespace
