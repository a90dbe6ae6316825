#include "core/imaging/shared_thumbnail_folder.h"
#include "core/imaging/thumbnail_loader.h"
#include "support/test_photos.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SharedThumbnails : public testing::Test {
protected:
    QString photo(const QString& name) {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(writeTestJpeg(file, {640, 480}));
        return file;
    }
    static FileStamp stampOf(const QString& file) {
        const QFileInfo info(file);
        return {info.lastModified().toSecsSinceEpoch(), info.size()};
    }
    // Where the standard puts the large entry: the MD5 of the file name.
    QString largeEntry(const QString& name) const {
        return dir.filePath(
            QStringLiteral(".sh_thumbnails/large/") +
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5).toHex() +
            QStringLiteral(".png"));
    }
    // A machine of its own: a loader with its own empty desktop cache.
    int decodesOnAMachine(const std::vector<ThumbnailRequest>& page) {
        QTemporaryDir cache;
        ThumbnailLoader loader(ThumbnailLoader::DefaultCacheBytes, cache.path());
        int shown = 0;
        loader.loadPage(page, [&shown](int, const Thumbnail& thumbnail) {
            shown += showsTestPicture(thumbnail.image);
        });
        loader.waitForIdle(30000);
        EXPECT_EQ(shown, int(page.size()));
        return loader.decodeCount();
    }

    QTemporaryDir dir;
};

// The first machine to show a photo writes its entry beside it; another
// machine then reads that instead of the photo.
TEST_F(SharedThumbnails, TheFirstMachineSharesAndTheNextReadsNoPhoto) {
    const std::vector<ThumbnailRequest> page = {{photo(QStringLiteral("写真 1.JPG")), 144, 0},
                                                {photo(QStringLiteral("b.JPG")), 144, 0}};
    EXPECT_EQ(decodesOnAMachine(page), 2);
    const QImage entry(largeEntry(QStringLiteral("写真 1.JPG")), "png");
    EXPECT_EQ(entry.size(), QSize(256, 192));
    EXPECT_EQ(entry.text(QStringLiteral("Thumb::URI")),
              QStringLiteral("%E5%86%99%E7%9C%9F%201.JPG"));
    EXPECT_EQ(decodesOnAMachine(page), 0);
}

TEST_F(SharedThumbnails, AnEntryCountsOnlyWhileItShowsThePhoto) {
    const QString file = photo(QStringLiteral("a.JPG"));
    const FileStamp stamp = stampOf(file);
    const struct {
        const char* uri;
        qint64 mtime;
        qint64 size;
        bool found;
    } cases[] = {
        {"a.JPG", stamp.modifiedSecs, stamp.size, true},
        {"file:///mnt/other/a.JPG", stamp.modifiedSecs, stamp.size, true}, // another mount's
        {"", stamp.modifiedSecs, stamp.size, false},                       // every key is required
        {"a.JPG", stamp.modifiedSecs, 0, false},
        {"b.JPG", stamp.modifiedSecs, stamp.size, false},
        {"a.JPG", stamp.modifiedSecs - 1, stamp.size, false},
        {"a.JPG", 0, stamp.size, false}, // Thumb::MTime is required
        {"a.JPG", stamp.modifiedSecs, stamp.size + 1, false},
    };
    QDir().mkpath(QFileInfo(largeEntry(QStringLiteral("a.JPG"))).path());
    for (const auto& c : cases) {
        QImage entry = testPicture({256, 192});
        if (*c.uri)
            entry.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(c.uri));
        if (c.mtime)
            entry.setText(QStringLiteral("Thumb::MTime"), QString::number(c.mtime));
        if (c.size)
            entry.setText(QStringLiteral("Thumb::Size"), QString::number(c.size));
        ASSERT_TRUE(entry.save(largeEntry(QStringLiteral("a.JPG")), "png"));
        EXPECT_EQ(SharedThumbnailFolder::find(file, stamp, 144).has_value(), c.found)
            << c.uri << " " << c.mtime << " " << c.size;
    }
}

TEST_F(SharedThumbnails, AFolderThatCannotBeWrittenIsNotSharedInto) {
    const std::vector<ThumbnailRequest> page = {{photo(QStringLiteral("a.JPG")), 144, 0}};
    QFile blocker(dir.filePath(QStringLiteral(".sh_thumbnails")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(decodesOnAMachine(page), 1);
    EXPECT_EQ(decodesOnAMachine(page), 1);
}

TEST_F(SharedThumbnails, ForgottenPhotosAndFoldersLeaveNoEntry) {
    const std::vector<ThumbnailRequest> page = {{photo(QStringLiteral("a.JPG")), 144, 0},
                                                {photo(QStringLiteral("b.JPG")), 144, 0}};
    QTemporaryDir cache;
    ThumbnailLoader loader(ThumbnailLoader::DefaultCacheBytes, cache.path());
    loader.loadPage(page, [](int, const Thumbnail&) {});
    loader.waitForIdle(30000);
    loader.forget(page[0].hostPath);
    EXPECT_FALSE(QFile::exists(largeEntry(QStringLiteral("a.JPG"))));
    EXPECT_TRUE(QFile::exists(largeEntry(QStringLiteral("b.JPG"))));
    loader.forgetFolder(dir.path());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral(".sh_thumbnails"))));
}

// Every file below folder with its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        files[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
    }
    return files;
}

// A link planted in place of the repository, a size folder or an entry
// leads nowhere: showing, forgetting a photo and forgetting the folder leave
// the link's target as it was.
TEST_F(SharedThumbnails, ALinkInTheRepositoryReachesNothingOutside) {
    const struct {
        const char* link;
        const char* target;
    } cases[] = {
        {".sh_thumbnails", ""},
        {".sh_thumbnails/large", "large"},
        {".sh_thumbnails/normal", "normal"},
        {".sh_thumbnails/large/ENTRY", "large/kept.png"},
    };
    for (const auto& c : cases) {
        QTemporaryDir victim;
        for (const char* name : {"large/kept.png", "normal/kept.png", "kept.png"}) {
            QDir(victim.path()).mkpath(QFileInfo(victim.filePath(name)).path());
            QFile file(victim.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        const QMap<QString, QByteArray> before = snapshot(victim.path());
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        const QString a = photo(QStringLiteral("a.JPG"));
        QString link = dir.filePath(QString::fromLatin1(c.link));
        link.replace(QStringLiteral("ENTRY"),
                     QFileInfo(largeEntry(QStringLiteral("a.JPG"))).fileName());
        QDir().mkpath(QFileInfo(link).path());
        ASSERT_TRUE(QFile::link(victim.filePath(QString::fromLatin1(c.target)), link));

        decodesOnAMachine({{a, 144, 0}});
        ThumbnailLoader loader;
        loader.forget(a);
        loader.forgetFolder(dir.path());
        EXPECT_EQ(snapshot(victim.path()), before) << c.link;
    }
}

} // namespace
