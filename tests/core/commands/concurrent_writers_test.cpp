#include "core/files/cp932_text.h"
#include "core/library/folder_names.h"
#include "support/smb_share.h"
#include "support/sshfs_mount.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int PhotosPerFolder = 3;

// A folder of photos for the writers to save, photo i being 4096 × i bytes.
QString makeSourceFolder(const QTemporaryDir& root) {
    const QString source = root.filePath(QStringLiteral("source"));
    QDir().mkpath(source);
    for (int i = 1; i <= PhotosPerFolder; ++i) {
        QFile photo(QDir(source).filePath(QStringLiteral("P%1.JPG").arg(i)));
        if (photo.open(QIODevice::WriteOnly))
            photo.write(QByteArray(4096 * i, char(i)));
    }
    return source;
}

// The lock files and their break files in folder.
QStringList lockFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.lock*")},
                                  QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System);
}

// A writer as a machine of its own, named in its locks.
void startWriter(QProcess& writer, const QString& machine, const QStringList& arguments,
                 int staleMs = 0) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FOTOBAKO_LOCK_HOST"), machine);
    if (staleMs > 0)
        environment.insert(QStringLiteral("FOTOBAKO_LOCK_STALE_MS"), QString::number(staleMs));
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
                         QStringLiteral("b%1r%2w%3").arg(rowsBefore).arg(round).arg(w), go});
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

} // namespace
