// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "support/sshfs_mount.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// The network drive under test: N: is the sshfs mount.
class SshfsDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        if (!mount.start())
            GTEST_SKIP() << "no sshfs network drive here: " << mount.skipReason().toStdString();
        drives.setDrive(u'N', mount.mountPoint());
        files = std::make_unique<FileSystem>(drives);
    }

    SshfsMount mount;
    DriveMap drives{QDir::tempPath()};
    std::unique_ptr<FileSystem> files;
};

QStringList rows(int count, const QString& tag) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("えんそく%1,IMG_%2_%3,2002/06/15 12,")
                     .arg(i)
                     .arg(i, 4, 10, QChar(u'0'))
                     .arg(tag);
    return lines;
}
} // namespace

// The mount refuses the unnamed temporary file that atomic saving prefers, as
// some school network drives do; the index must still be replaced whole and
// leave nothing beside it.
TEST_F(SshfsDatabase, IndexIsReplacedWholeWhereUnnamedTemporariesAreRefused) {
    const int probe =
        ::open(QFile::encodeName(mount.mountPoint()).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (probe >= 0)
        ::close(probe);
    ASSERT_LT(probe, 0) << "this sshfs accepts O_TMPFILE; the fallback would go untested";

    const QString index = QStringLiteral("N:\\IMGMAIN.TXT");
    ASSERT_TRUE(files->writeTextLines(index, rows(3, QStringLiteral("old"))));
    ASSERT_TRUE(files->writeTextLines(index, rows(500, QStringLiteral("new"))));

    EXPECT_EQ(files->readTextLines(index), rows(500, QStringLiteral("new")));
    EXPECT_EQ(QDir(mount.servedFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("IMGMAIN.TXT")});
}

// Two machines' mounts of one database folder: a lock taken through one is
// seen through the other.
TEST_F(SshfsDatabase, LockFileIsSeenFromAnotherMount) {
    const QString other = mount.servedFolder() + QStringLiteral("/../other-mnt");
    ASSERT_TRUE(mount.mountAgain(other)) << mount.skipReason().toStdString();

    QLockFile first(mount.mountPoint() + QStringLiteral("/IMGMAIN.TXT.lock"));
    ASSERT_TRUE(first.tryLock(0));
    QLockFile second(other + QStringLiteral("/IMGMAIN.TXT.lock"));
    EXPECT_FALSE(second.tryLock(200));
    first.unlock();
    EXPECT_TRUE(second.tryLock(2000));
}
