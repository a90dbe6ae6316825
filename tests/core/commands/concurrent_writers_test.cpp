// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"
#include "core/library/folder_names.h"
#include "support/smb_share.h"
#include "support/sshfs_mount.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int PhotosPerFolder = 3;

// A folder of photos for the writers to save, photo i being step × i bytes.
QString makeSourceFolder(const QTemporaryDir& root, int photos = PhotosPerFolder, int step = 4096) {
    const QString source = root.filePath(QStringLiteral("source"));
    QDir().mkpath(source);
    for (int i = 1; i <= photos; ++i) {
        QFile photo(QDir(source).filePath(QStringLiteral("P%1.JPG").arg(i)));
        if (photo.open(QIODevice::WriteOnly))
            photo.write(QByteArray(step * i, char(i)));
    }
    return source;
}

// The lock files and their break files in folder.
QStringList lockFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.lock*")},
                                  QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System);
}

// A writer as a machine of its own, named in its locks. Many writers saving
// round after round queue for the lock far longer than a class ever does.
void startWriter(QProcess& writer, const QString& machine, const QStringList& arguments,
                 int staleMs = 0, int lockWaitMs = 0) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FOTOBAKO_LOCK_HOST"), machine);
    if (lockWaitMs > 0)
        environment.insert(QStringLiteral("FOTOBAKO_LOCK_WAIT_MS"), QString::number(lockWaitMs));
    if (staleMs > 0) {
        environment.insert(QStringLiteral("FOTOBAKO_LOCK_STALE_MS"), QString::number(staleMs));
        environment.insert(QStringLiteral("FOTOBAKO_LOCK_GRACE_MS"), QString::number(staleMs / 2));
    }
    writer.setProcessEnvironment(environment);
    writer.start(QStringLiteral(FOTOBAKO_CONCURRENT_WRITER), arguments);
}

// Several machines, each a process of its own, saving different folders into
// one database at the same moment, round after round. Writer w is machine
// w % mounts.size() and reaches the database through that mount; database is
// where the files really land; it holds rowsBefore rows already.
void saveAtOnce(const QStringList& mounts, const QString& database, int writers, int saves,
                int rounds, int rowsBefore = 0) {
    QTemporaryDir root;
    const QString source = makeSourceFolder(root);

    for (int round = 1; round <= rounds; ++round) {
        const QString go = root.filePath(QStringLiteral("go%1").arg(round));
        std::vector<std::unique_ptr<QProcess>> running;
        for (int w = 0; w < writers; ++w) {
            auto& writer = running.emplace_back(std::make_unique<QProcess>());
            writer->setProcessChannelMode(QProcess::MergedChannels);
            startWriter(*writer, QStringLiteral("machine-%1").arg(w % mounts.size()),
                        {mounts[w % mounts.size()], QString::number(saves), source,
                         QStringLiteral("b%1r%2w%3").arg(rowsBefore).arg(round).arg(w), go},
                        0, 120000);
            ASSERT_TRUE(writer->waitForStarted(10000));
        }
        QElapsedTimer took;
        took.start();
        QFile goFile(go);
        ASSERT_TRUE(goFile.open(QIODevice::WriteOnly));
        goFile.close();
        for (auto& writer : running) {
            ASSERT_TRUE(writer->waitForFinished(240000));
            EXPECT_EQ(writer->exitCode(), 0) << writer->readAll().toStdString();
        }

        const QStringList lines =
            readCp932Lines(QDir(database).filePath(QStringLiteral("IMGMAIN.TXT")))
                .value_or(QStringList());
        const int expected = rowsBefore + round * writers * saves;
        ASSERT_EQ(lines.size(), expected) << "round " << round;
        QSet<int> numbers;
        QSet<QString> titles;
        for (const QString& line : lines) {
            const QStringList fields = line.split(u',');
            ASSERT_EQ(fields.size(), 4) << line.toStdString();
            numbers.insert(folderNumberOf(fields[1]));
            titles.insert(fields[0]);
            EXPECT_EQ(fields[1], photoFolderName(folderNumberOf(fields[1]), fields[0]));
            EXPECT_TRUE(fields[2].endsWith(QStringLiteral(" %1").arg(PhotosPerFolder)));
            const QDir saved(QDir(database).filePath(fields[1]));
            EXPECT_EQ(saved.entryList(QDir::Files).size(), PhotosPerFolder) << line.toStdString();
            EXPECT_EQ(QFileInfo(saved.filePath(QStringLiteral("P3.JPG"))).size(), 3 * 4096);
        }
        EXPECT_EQ(numbers.size(), expected);
        EXPECT_EQ(titles.size(), expected);
        EXPECT_EQ(*std::max_element(numbers.begin(), numbers.end()), expected);
        EXPECT_EQ(lockFilesIn(database), QStringList());
        std::printf("[ figures ] %d writers x %d saves over %lld mount(s): %lld rows, %lld "
                    "distinct numbers, %.1f s, %lld lock files left\n",
                    writers, saves, qlonglong(mounts.size()), qlonglong(lines.size()),
                    qlonglong(numbers.size()), took.elapsed() / 1000.0,
                    qlonglong(lockFilesIn(database).size()));
    }
}

// Kills a writer on one machine while it holds the index lock, which leaves
// the lock file behind, and times the next save on another: a machine that
// can ask whether the holder still runs goes on at once, any other waits for
// the lock to stand unchanged for staleMs.
qint64 msForTheSaveAfterAKilledHolder(const QString& killedOn, const QString& killedMachine,
                                      const QString& nextOn, const QString& nextMachine,
                                      const QString& database, int staleMs) {
    QTemporaryDir root;
    const QString source = makeSourceFolder(root);
    const QString lockFile = QDir(database).filePath(QStringLiteral("IMGMAIN.TXT.lock/owner"));
    bool lockLeft = false;
    for (int attempt = 1; attempt <= 50 && !lockLeft; ++attempt) {
        QProcess writer;
        startWriter(
            writer, killedMachine,
            {killedOn, QStringLiteral("25"), source, QStringLiteral("killed%1").arg(attempt)},
            staleMs);
        EXPECT_TRUE(writer.waitForStarted(10000));
        // Killed before it wrote who holds the lock, a writer leaves a lock
        // without an owner that only its stale time ends; that is not this case.
        while (QFileInfo(lockFile).size() == 0 && writer.state() == QProcess::Running)
            ;
        ::kill(pid_t(writer.processId()), SIGKILL);
        EXPECT_TRUE(writer.waitForFinished(10000));
        lockLeft = QFileInfo(lockFile).size() > 0;
    }
    EXPECT_TRUE(lockLeft) << "no writer was ever killed while it held the lock";

    QProcess next;
    QElapsedTimer took;
    took.start();
    startWriter(next, nextMachine, {nextOn, QStringLiteral("1"), source, QStringLiteral("next")},
                staleMs);
    EXPECT_TRUE(next.waitForFinished(30000));
    const qint64 elapsed = took.elapsed();
    EXPECT_EQ(next.exitCode(), 0) << next.readAll().toStdString();
    const QStringList lines = readCp932Lines(QDir(database).filePath(QStringLiteral("IMGMAIN.TXT")))
                                  .value_or(QStringList());
    EXPECT_TRUE(!lines.isEmpty() && lines.last().startsWith(QStringLiteral("next_1,")))
        << lines.value(lines.size() - 1).toStdString();
    EXPECT_EQ(lockFilesIn(database), QStringList());
    return elapsed;
}

// Eight machines saving 25 folders each at the same moment, and rounds that
// add to a database already written.
TEST(ConcurrentWriters, EverySaveKeepsItsRowItsOwnNumberAndItsPhotos) {
    QTemporaryDir root;
    const QString database = root.filePath(QStringLiteral("Adb_image"));
    ASSERT_TRUE(QDir().mkpath(database));
    saveAtOnce({database}, database, 8, 25, 1);
    saveAtOnce({database}, database, 4, 3, 2, 8 * 25);
}

// A machine killed while it holds the index lock leaves the lock file behind;
// the next save on this machine sees its holder is gone and goes on at once
// instead of waiting out the lock's stale time.
TEST(ConcurrentWriters, AWriterKilledHoldingTheLockDoesNotStopTheNext) {
    QTemporaryDir root;
    const QString database = root.filePath(QStringLiteral("Adb_image"));
    ASSERT_TRUE(QDir().mkpath(database));
    const QString machine = QStringLiteral("machine-0");
    EXPECT_LT(msForTheSaveAfterAKilledHolder(database, machine, database, machine, database, 0),
              10000);
}

// Two machines' mounts of one network drive, four writers on each.
TEST(ConcurrentWriters, OverTwoMountsOfANetworkDrive) {
    SshfsMount mount;
    if (!mount.start())
        GTEST_SKIP() << "no sshfs network drive here: " << mount.skipReason().toStdString();
    const QString other = mount.servedFolder() + QStringLiteral("/../other-mnt");
    ASSERT_TRUE(mount.mountAgain(other)) << mount.skipReason().toStdString();
    saveAtOnce({mount.mountPoint(), other}, mount.servedFolder(), 8, 25, 1);
}

// The same on a Windows share, which refuses to remove a file any client
// still has open.
class WindowsShareWriters : public testing::Test {
protected:
    void SetUp() override {
        if (!share.start() || !share.mountAgain(QStringLiteral("second")))
            GTEST_SKIP() << "no Windows share here: " << share.skipReason().toStdString();
    }
    SmbShare share;
};

TEST_F(WindowsShareWriters, EightWritersOnTwoMachinesKeepEveryRow) {
    saveAtOnce({share.shareFolder(), share.shareFolder(QStringLiteral("second"))},
               share.servedFolder(), 8, 25, 1);
}

// The same through the desktop's own mounts of the share.
TEST(DesktopShareWriters, EightWritersOnTwoMachinesKeepEveryRow) {
    SmbShare share;
    if (!share.start() || !share.mountAgain("g1", SmbShare::Client::Gvfs) ||
        !share.mountAgain("g2", SmbShare::Client::Gvfs))
        GTEST_SKIP() << "no desktop mount of a Windows share: " << share.skipReason().toStdString();
    saveAtOnce({share.shareFolder("g1"), share.shareFolder("g2")}, share.servedFolder(), 8, 25, 1);
}

// The other machine cannot ask whether the killed holder still runs, so it
// waits exactly until the lock has stood unchanged for the stale time.
TEST_F(WindowsShareWriters, AHolderKilledOnAnotherMachineStopsTheNextOnlyForTheStaleTime) {
    constexpr int StaleMs = 1500;
    const qint64 took = msForTheSaveAfterAKilledHolder(
        share.shareFolder(QStringLiteral("second")), QStringLiteral("machine-1"),
        share.shareFolder(), QStringLiteral("machine-0"), share.servedFolder(), StaleMs);
    EXPECT_GE(took, StaleMs);
    EXPECT_LT(took, StaleMs + 8000);
}

// Every row a writer told was saved ("row <title>") is in the database on the
// server's side, every row counts the photos in its folder, and nothing but
// photos, folders and the index is left.
void expectAllLanded(const std::vector<QProcess*>& writers, const QString& database,
                     const char* what) {
    QSet<QString> told;
    for (QProcess* writer : writers) {
        for (const QByteArray& line : writer->readAllStandardOutput().split('\n'))
            if (line.startsWith("row "))
                told.insert(QString::fromUtf8(line.mid(4)));
    }
    QSet<QString> present;
    int mismatches = 0;
    const QDir root(database);
    QStringList left = root.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                           .filter(QStringLiteral("IMGMAIN.TXT."));
    for (const QString& line :
         readCp932Lines(root.filePath(QStringLiteral("IMGMAIN.TXT"))).value_or(QStringList())) {
        const QStringList fields = line.split(u',');
        present.insert(fields.value(0));
        const QDir folder(root.filePath(fields.value(1)));
        const qsizetype photos = folder.entryList({QStringLiteral("*.JPG")}, QDir::Files).size();
        mismatches += photos != fields.value(2).mid(11).toInt();
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
            if (!name.endsWith(QStringLiteral(".JPG")))
                left.append(fields.value(1) + u'/' + name);
    }
    EXPECT_TRUE(present.contains(told));
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(left, QStringList());
    std::printf("[ figures ] %s: %lld rows told saved, %lld of them present, %d count "
                "mismatches, %lld temporaries or marks left\n",
                what, qlonglong(told.size()), qlonglong((told & present).size()), mismatches,
                qlonglong(left.size()));
}

// Polls the server's side until found().
bool waitFor(const std::function<bool()>& found) {
    const QDeadlineTimer deadline(60000);
    while (!found() && !deadline.hasExpired())
        QThread::usleep(500);
    return found();
}

constexpr int ShareStaleMs = 800;

// The server stops answering while one machine holds the index lock, for
// longer than the stale time, and then goes on; the other machine takes the
// lock over meanwhile, and the stopped holder commits nothing.
TEST_F(WindowsShareWriters, AServerStoppedLongerThanTheStaleTimeLosesNoSavedRow) {
    QTemporaryDir root;
    const QString source = makeSourceFolder(root);
    const QString go = root.filePath(QStringLiteral("go"));
    QProcess holder;
    QProcess other;
    startWriter(holder, QStringLiteral("machine-0"),
                {share.shareFolder(), QStringLiteral("6"), source, QStringLiteral("h"), go},
                ShareStaleMs);
    startWriter(other, QStringLiteral("machine-1"),
                {share.shareFolder(QStringLiteral("second")), QStringLiteral("6"), source,
                 QStringLiteral("o"), go},
                ShareStaleMs);
    QFile(go).open(QIODevice::WriteOnly);
    const QString owner = share.servedFolder() + QStringLiteral("/IMGMAIN.TXT.lock/owner");
    ASSERT_TRUE(waitFor([&] {
        QFile record(owner);
        return record.open(QIODevice::ReadOnly) && record.readAll().contains("machine-0");
    }));
    share.stopServer();
    QThread::msleep(2 * ShareStaleMs);
    share.continueServer();
    ASSERT_TRUE(holder.waitForFinished(120000));
    ASSERT_TRUE(other.waitForFinished(120000));
    expectAllLanded({&holder, &other}, share.servedFolder(), "server stopped");
}

// The server dies while a save copies its photos and comes back; the row
// tells the photos that arrived, and no temporary stays after the next save.
TEST_F(WindowsShareWriters, AServerKilledMidCopyLeavesCountsRightAndNoTemporaries) {
    QTemporaryDir root;
    const QString source = makeSourceFolder(root, 4, 1 << 20);
    QProcess saver;
    startWriter(saver, QStringLiteral("machine-0"),
                {share.shareFolder(), QStringLiteral("3"), source, QStringLiteral("k")},
                ShareStaleMs);
    ASSERT_TRUE(waitFor([&] {
        return !QDir(share.servedFolder())
                    .entryList({QStringLiteral("IMGMAIN.TXT.copying.*")}, QDir::Dirs)
                    .isEmpty();
    }));
    ASSERT_TRUE(share.killAndRestartServer()) << share.skipReason().toStdString();
    ASSERT_TRUE(saver.waitForFinished(120000));
    QProcess next;
    startWriter(next, QStringLiteral("machine-0"),
                {share.shareFolder(), QStringLiteral("1"), source, QStringLiteral("n")},
                ShareStaleMs);
    ASSERT_TRUE(next.waitForFinished(120000));
    expectAllLanded({&saver, &next}, share.servedFolder(), "server killed");
}

} // namespace
