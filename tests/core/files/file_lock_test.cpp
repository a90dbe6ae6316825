// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/file_lock.h"
#include "core/files/lock_owner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

const QString Host = QStringLiteral("pc-01");

// A lock record of a process that has ended on this machine.
LockOwner endedProcess() {
    QProcess ended;
    ended.start(QStringLiteral("true"));
    ended.waitForFinished();
    LockOwner owner = currentLockOwner(Host);
    owner.pid = ended.processId();
    return owner;
}

struct LeftLock {
    const char* name;
    QByteArray (*record)();
    bool takenAtOnce;
};

class LeftLocks : public testing::TestWithParam<LeftLock> {};

// A lock whose holder this machine knows is gone is taken at once; one it
// cannot ask about (another machine's, or a record cut short) only once it
// has stood unchanged for the stale time.
TEST_P(LeftLocks, AreTakenOverWhenTheirHolderIsKnownGoneOrOnceStale) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("IMGMAIN.TXT.lock"));
    ASSERT_TRUE(QDir().mkdir(path));
    QFile left(path + QStringLiteral("/owner"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write(GetParam().record());
    left.close();

    const LockPolicy policy{Host, 400ms};
    FileLock::Refusal refusal{};
    EXPECT_EQ(FileLock::take(path, 100ms, policy, &refusal).has_value(), GetParam().takenAtOnce);
    if (!GetParam().takenAtOnce) {
        EXPECT_EQ(refusal, FileLock::Refusal::Busy);
        QElapsedTimer took;
        took.start();
        EXPECT_TRUE(FileLock::take(path, 2000ms, policy).has_value());
        EXPECT_GE(took.elapsed() + 100, 400);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

QByteArray ofEndedProcess() {
    return endedProcess().toBytes();
}

QByteArray ofEarlierBoot() {
    LockOwner owner = currentLockOwner(Host);
    owner.bootId = QStringLiteral("00000000-0000-0000-0000-000000000000");
    return owner.toBytes();
}

QByteArray ofThisProcessNoLongerHolding() {
    return currentLockOwner(Host).toBytes();
}

QByteArray ofOtherMachine() {
    LockOwner owner = currentLockOwner(QStringLiteral("pc-02"));
    owner.pid = 1;
    return owner.toBytes();
}

QByteArray cutShort() {
    return currentLockOwner(Host).toBytes().left(20);
}

QByteArray empty() {
    return {};
}

INSTANTIATE_TEST_SUITE_P(
    FileLock, LeftLocks,
    testing::Values(LeftLock{"EndedProcess", ofEndedProcess, true},
                    LeftLock{"EarlierBoot", ofEarlierBoot, true},
                    LeftLock{"ThisProcessNoLongerHolding", ofThisProcessNoLongerHolding, true},
                    LeftLock{"OtherMachine", ofOtherMachine, false},
                    LeftLock{"CutShort", cutShort, false}, LeftLock{"Empty", empty, false}),
    [](const auto& info) { return std::string(info.param.name); });

// What a file browser, a server that died or a stranger leaves in a lock
// folder never makes it permanent: it is set aside once it has stood
// unrenewed for the stale time, or for the short grace when it has no owner
// record.
enum class Odd { ExtraFile, FolderAsOwner, PipeAsOwner, NoOwner };

class OddLocks : public testing::TestWithParam<Odd> {};

TEST_P(OddLocks, AreTakenOverWithinTheirTime) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("IMGMAIN.TXT.lock"));
    const QString owner = path + QStringLiteral("/owner");
    ASSERT_TRUE(QDir().mkdir(path));
    QFile browserFile(path + QStringLiteral("/Thumbs.db"));
    QFile record(owner);
    if (GetParam() == Odd::ExtraFile) {
        ASSERT_TRUE(browserFile.open(QIODevice::WriteOnly) && record.open(QIODevice::WriteOnly) &&
                    record.write(ofOtherMachine()) > 0);
    }
    if (GetParam() == Odd::FolderAsOwner) {
        ASSERT_TRUE(QDir().mkpath(owner + QStringLiteral("/.DS_Store")));
    }
    if (GetParam() == Odd::PipeAsOwner) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(owner).constData(), 0644), 0);
    }
    record.close();
    const qint64 limit = GetParam() == Odd::NoOwner ? 200 : 600;
    QElapsedTimer took;
    took.start();
    std::optional<FileLock> lock = FileLock::take(path, 3000ms, {Host, 600ms, 200ms});
    ASSERT_TRUE(lock);
    EXPECT_GE(took.elapsed(), limit);
    EXPECT_LT(took.elapsed(), limit + 700);
    EXPECT_TRUE(lock->isStillHeld());
    lock.reset();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

INSTANTIATE_TEST_SUITE_P(FileLock, OddLocks,
                         testing::Values(Odd::ExtraFile, Odd::FolderAsOwner, Odd::PipeAsOwner,
                                         Odd::NoOwner));

// A holder stopped longer than the stale time finds its lock another's and
// puts nothing in place; a holder that renews keeps it.
TEST(FileLock, IsKeptByRenewingAndLostWhenNotRenewed) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("IMGMAIN.TXT.lock"));
    const LockPolicy stopped{QStringLiteral("pc-02"), 400ms};
    const LockPolicy taker{Host, 400ms};
    std::optional<FileLock> held = FileLock::take(path, 0ms, stopped);
    ASSERT_TRUE(held);
    QElapsedTimer renewing;
    renewing.start();
    while (!renewing.hasExpired(800)) {
        EXPECT_FALSE(FileLock::take(path, 50ms, taker));
        EXPECT_TRUE(held->renew());
    }
    EXPECT_TRUE(FileLock::take(path, 2000ms, taker).has_value());
    EXPECT_FALSE(held->isStillHeld());
    EXPECT_FALSE(held->renew());
}

TEST(FileLock, IsHeldUntilLetGoAndLeavesNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("IMGMAIN.TXT.lock"));
    const LockPolicy policy{Host, 400ms};
    {
        std::optional<FileLock> held = FileLock::take(path, 0ms, policy);
        ASSERT_TRUE(held);
        FileLock::Refusal refusal{};
        QElapsedTimer took;
        took.start();
        EXPECT_FALSE(FileLock::take(path, 600ms, policy, &refusal));
        EXPECT_GE(took.elapsed(), 600);
        EXPECT_EQ(refusal, FileLock::Refusal::Busy);
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(FileLock::take(path, 0ms, policy));
}

TEST(FileLock, AFolderThatCannotHoldItRefusesAtOnce) {
    QTemporaryDir folder;
    FileLock::Refusal refusal{};
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(FileLock::take(folder.filePath(QStringLiteral("gone/IMGMAIN.TXT.lock")), 5000ms,
                                {Host, 400ms}, &refusal));
    EXPECT_EQ(refusal, FileLock::Refusal::Unwritable);
    EXPECT_LT(took.elapsed(), 1000);
}

} // namespace
