// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "crash_index_lines.h"
#include "support/cp932_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace {

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// How the folder's file system treats unnamed temporary files.
enum class Temporaries { Unnamed, RefusedNotSupported, RefusedIsDirectory };

class CrashSafety : public testing::TestWithParam<Temporaries> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QFile::exists(QStringLiteral(FOTOBAKO_CRASH_WRITER)));
        writeOld();
    }

    QString index() const { return folder.filePath(QStringLiteral("IMGMAIN.TXT")); }
    QString refusals() const { return marks.filePath(QStringLiteral("refused")); }

    void writeOld() {
        DriveMap drives(folder.filePath(QStringLiteral("drives")));
        drives.setDrive(u'C', folder.path());
        ASSERT_TRUE(FileSystem(drives).writeTextLines(QStringLiteral("C:\\IMGMAIN.TXT"), oldLines));
        ASSERT_EQ(fileBytes(index()), oldBytes);
    }

    void startWriter(QProcess& child, const QStringList& arguments) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (GetParam() != Temporaries::Unnamed) {
            environment.insert(QStringLiteral("LD_PRELOAD"),
                               QStringLiteral(FOTOBAKO_NO_TMPFILE_SHIM));
            // Under AddressSanitizer the shim is loaded ahead of its runtime.
            environment.insert(QStringLiteral("ASAN_OPTIONS"),
                               environment.value(QStringLiteral("ASAN_OPTIONS")) +
                                   QStringLiteral(":verify_asan_link_order=0"));
            environment.insert(QStringLiteral("FOTOBAKO_TMPFILE_REFUSED"), refusals());
            environment.insert(QStringLiteral("FOTOBAKO_TMPFILE_ERRNO"),
                               QString::number(GetParam() == Temporaries::RefusedIsDirectory
                                                   ? EISDIR
                                                   : EOPNOTSUPP));
        }
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(FOTOBAKO_CRASH_WRITER), QStringList{folder.path()} + arguments);
        ASSERT_TRUE(child.waitForStarted(30000));
    }

    // Runs the writer to its end and gives its exit code.
    int runWriter(const QStringList& arguments) const {
        QProcess child;
        startWriter(child, arguments);
        EXPECT_TRUE(child.waitForFinished(60000));
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    }

    // Every name in the folder other than the index and the drive folder.
    QStringList strayFiles() const {
        QStringList names =
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral("IMGMAIN.TXT"));
        names.removeAll(QStringLiteral("drives"));
        return names;
    }

    void expectRefusalsOnlyWhenSimulated() const {
        EXPECT_EQ(QFile::exists(refusals()), GetParam() != Temporaries::Unnamed);
    }

    QTemporaryDir folder;
    QTemporaryDir marks;
    const QStringList oldLines = crashIndexLines(u'A');
    const QByteArray oldBytes = encodeCp932Lines(oldLines);
    const QByteArray newBytes = encodeCp932Lines(crashIndexLines(u'B'));
};

TEST_P(CrashSafety, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewIndex) {
    // Kills fall over the first few rewrites, which alternate new and old.
    QElapsedTimer timer;
    timer.start();
    writeOld();
    const qint64 writeMicroseconds = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
    std::mt19937 random(20021215);
    std::uniform_int_distribution<qint64> moment(0, 3 * writeMicroseconds);

    int newFound = 0;
    int temporariesLeft = 0;
    for (int kill = 0; kill < 200; ++kill) {
        QProcess child;
        startWriter(child, {QStringLiteral("loop")});
        ASSERT_TRUE(child.waitForReadyRead(30000));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));

        const QByteArray bytes = fileBytes(index());
        ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
            << "kill " << kill << ": " << bytes.size() << " bytes";
        newFound += bytes == newBytes;
        // A named temporary caught between its making and its rename is
        // removed by the next write, so there is never more than one.
        const QStringList stray = strayFiles();
        ASSERT_LE(stray.size(), 1) << stray.join(u' ').toStdString();
        for (const QString& name : stray)
            ASSERT_TRUE(QRegularExpression(QStringLiteral("^IMGMAIN\\.TXT\\.[A-Za-z]{6}$"))
                            .match(name)
                            .hasMatch())
                << name.toStdString();
        temporariesLeft += stray.size();
    }
    EXPECT_EQ(runWriter({QStringLiteral("once"), QStringLiteral("A")}), 0);
    EXPECT_EQ(fileBytes(index()), oldBytes);
    EXPECT_EQ(strayFiles(), QStringList());
    expectRefusalsOnlyWhenSimulated();
    std::printf("[ figures ] 200 kills: %d left the new index, %d left a named temporary\n",
                newFound, temporariesLeft);
}

TEST_P(CrashSafety, AFullDiskReportsFailureAndLeavesTheOldIndexByteForByte) {
    EXPECT_EQ(runWriter({QStringLiteral("limited"), QStringLiteral("65536"), QStringLiteral("B")}),
              1);
    EXPECT_EQ(fileBytes(index()), oldBytes);
    EXPECT_EQ(strayFiles(), QStringList());
}

TEST_P(CrashSafety, SavingReplacesTheFileAndNeverWritesInPlace) {
    const ino_t before = inodeOf(index());
    EXPECT_EQ(runWriter({QStringLiteral("once"), QStringLiteral("B")}), 0);
    EXPECT_EQ(fileBytes(index()), newBytes);
    EXPECT_NE(inodeOf(index()), before);
    EXPECT_EQ(strayFiles(), QStringList());
    expectRefusalsOnlyWhenSimulated();
}

INSTANTIATE_TEST_SUITE_P(Temporaries, CrashSafety,
                         testing::Values(Temporaries::Unnamed, Temporaries::RefusedNotSupported,
                                         Temporaries::RefusedIsDirectory),
                         [](const auto& info) {
                             switch (info.param) {
                             case Temporaries::Unnamed:
                                 return "Unnamed";
                             case Temporaries::RefusedNotSupported:
                                 return "RefusedNotSupported";
                             case Temporaries::RefusedIsDirectory:
                                 return "RefusedIsDirectory";
                             }
                             return "";
                         });

// Temporaries that an earlier writer left are removed; files that only look
// alike are kept.
TEST(CrashSafetyLeftovers, StaleTemporariesOfTheSameFileAreRemovedBeforeWriting) {
    QTemporaryDir folder;
    DriveMap drives(folder.filePath(QStringLiteral("drives")));
    drives.setDrive(u'C', folder.path());
    const QStringList stale = {QStringLiteral("IMGMAIN.TXT.AbCdEf"),
                               QStringLiteral("IMGMAIN.TXT.qwerty")};
    const QStringList kept = {QStringLiteral("IMGMAIN.TXT.ab12cd"),
                              QStringLiteral("IMGMAIN.TXT.AbCdEfG"),
                              QStringLiteral("DRVDATA.TXT.AbCdEf"), QStringLiteral("IMGMAIN.TXT")};
    for (const QString& name : stale + kept) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(FileSystem(drives).writeTextLines(QStringLiteral("C:\\imgmain.txt"), {"a"}));
    QStringList left = QDir(folder.path()).entryList(QDir::Files);
    left.sort();
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(left, expected);
}

} // namespace
