// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
    QString pack() const { return dir.filePath(QStringLiteral(".sh_thumbnails/fotobako.pack")); }
    // Where an older version put the large entry: the MD5 of the file name.
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

// The first machine to show a photo writes its entry into the folder's pack;
// another machine then reads that instead of the photo, but not for a photo
// replaced since (same name, new content).
TEST_F(SharedThumbnails, TheFirstMachineSharesAndTheNextReadsNoPhoto) {
    const std::vector<ThumbnailRequest> page = {{photo(QStringLiteral("写真 1.JPG")), 144, 0},
                                                {photo(QStringLiteral("b.JPG")), 144, 0}};
    EXPECT_EQ(decodesOnAMachine(page), 2);
    const QImage entry =
        SharedThumbnailFolder::find(SharedThumbnailFolder::read(dir.path()),
                                    QStringLiteral("写真 1.JPG"), stampOf(page[0].hostPath))
            ->picture;
    // The page's cell is 144 x 108; an entry is at most twice that.
    EXPECT_TRUE(entry.width() >= 144 && entry.width() <= 288) << entry.width();
    EXPECT_LT(QFileInfo(pack()).size(), 2 * 12 * 1024);
    EXPECT_EQ(decodesOnAMachine(page), 0);
    ASSERT_TRUE(writeTestJpeg(page[1].hostPath, {800, 600}));
    EXPECT_EQ(decodesOnAMachine(page), 1);
}

TEST_F(SharedThumbnails, AnEntryCountsOnlyForThePhotoItRecords) {
    const SharedThumbnailFolder::Pack pack = {
        {QStringLiteral("a.JPG"),
         SharedThumbnailFolder::makeEntry(testPicture({256, 192}), {1000, 5000}, {640, 480})}};
    const struct {
        const char* name;
        FileStamp stamp;
        bool found;
    } cases[] = {{"a.JPG", {1000, 5000}, true},
                 {"b.JPG", {1000, 5000}, false},
                 {"A.JPG", {1000, 5000}, false},
                 {"a.JPG", {1001, 5000}, false},
                 {"a.JPG", {1000, 5001}, false}};
    for (const auto& c : cases) {
        const auto found = SharedThumbnailFolder::find(pack, QString::fromLatin1(c.name), c.stamp);
        EXPECT_EQ(found.has_value(), c.found) << c.name << " " << c.stamp.modifiedSecs;
        EXPECT_TRUE(!found || showsTestPicture(found->picture));
    }
}

// Whatever a write was cut short at, what a reader takes is a whole pack or
// none: the bytes cut anywhere, and a writer killed while it writes.
TEST_F(SharedThumbnails, AHalfWrittenPackNeverShows) {
    const SharedThumbnailFolder::Entry entry =
        SharedThumbnailFolder::makeEntry(testPicture({216, 162}), {1, 2}, {4, 3});
    const QByteArray whole = SharedThumbnailFolder::encode({{"a", entry}, {"b", entry}});
    for (qsizetype cut = 0; cut < whole.size(); cut += 97)
        EXPECT_FALSE(SharedThumbnailFolder::decode(whole.left(cut))) << cut;

    for (int round = 0; round < 3; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            for (int i = 0;; ++i)
                SharedThumbnailFolder::add(dir.path(), {{QString::number(i), entry}},
                                           std::chrono::milliseconds(100));
        }
        while (!QFileInfo::exists(pack()))
            ::usleep(1000);
        ::usleep(10000 * round);
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        QFile written(pack());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(SharedThumbnailFolder::decode(written.readAll()));
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
    const SharedThumbnailFolder::Pack left = SharedThumbnailFolder::read(dir.path());
    EXPECT_EQ(left.keys(), QStringList{QStringLiteral("b.JPG")});
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
        {".sh_thumbnails/fotobako.pack", "kept.png"},
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
