// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"
#include "crash_index_lines.h"
#include "support/cp932_files.h"
#include "support/smb_share.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

int runWriter(const QString& folder, const QStringList& arguments) {
    QProcess child;
    child.start(QStringLiteral(FOTOBAKO_CRASH_WRITER), QStringList{folder} + arguments);
    return child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit
               ? child.exitCode()
               : -1;
}

// A Windows share refuses unnamed temporary files and renames over a file
// only by removing it first, on the server's side. A writer killed at any
// moment of its index write still leaves the old index or the new one whole,
// and at most the named temporary that the next write removes.
TEST(WindowsShare, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewIndex) {
    SmbShare share;
    if (!share.start())
        GTEST_SKIP() << "no Windows share here: " << share.skipReason().toStdString();
    const QString index = QDir(share.servedFolder()).filePath(QStringLiteral("IMGMAIN.TXT"));
    const QByteArray oldBytes = encodeCp932Lines(crashIndexLines(u'A'));
    const QByteArray newBytes = encodeCp932Lines(crashIndexLines(u'B'));
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(runWriter(share.shareFolder(), {QStringLiteral("once"), QStringLiteral("A")}), 0);
    const qint64 writeMicroseconds = timer.nsecsElapsed() / 1000;
    ASSERT_EQ(fileBytes(index), oldBytes);

    std::mt19937 random(20021215);
    std::uniform_int_distribution<qint64> moment(0, 3 * writeMicroseconds);
    const QRegularExpression temporary(QStringLiteral("^IMGMAIN\\.TXT\\.[A-Za-z]{6}$"));
    for (int kill = 0; kill < 20; ++kill) {
        QProcess child;
        child.start(QStringLiteral(FOTOBAKO_CRASH_WRITER),
                    {share.shareFolder(), QStringLiteral("loop")});
        ASSERT_TRUE(child.waitForReadyRead(30000));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));
        const QByteArray bytes = fileBytes(index);
        ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
            << "kill " << kill << ": " << bytes.size() << " bytes";
        QStringList stray = QDir(share.servedFolder()).entryList(QDir::Files | QDir::Hidden);
        stray.removeAll(QStringLiteral("IMGMAIN.TXT"));
        ASSERT_LE(stray.size(), 1) << stray.join(u' ').toStdString();
        for (const QString& name : stray)
            ASSERT_TRUE(temporary.match(name).hasMatch()) << name.toStdString();
    }
    EXPECT_EQ(runWriter(share.shareFolder(), {QStringLiteral("once"), QStringLiteral("A")}), 0);
    EXPECT_EQ(fileBytes(index), oldBytes);
    EXPECT_EQ(QDir(share.servedFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("IMGMAIN.TXT")});
}

} // namespace
