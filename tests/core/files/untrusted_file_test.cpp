// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/untrusted_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

const QByteArray Content = QByteArrayLiteral("IMGMAIN 1\r\n");

enum class Planted { RegularFile, LinkInside, LinkOutside, Fifo, DevZeroLink, Folder, Oversized };

struct Case {
    const char* name;
    Planted planted;
    UntrustedRefusal expected;
};

const Case Cases[] = {
    {"RegularFile", Planted::RegularFile, UntrustedRefusal::None},
    {"LinkToAFileInside", Planted::LinkInside, UntrustedRefusal::Link},
    {"LinkOutside", Planted::LinkOutside, UntrustedRefusal::Link},
    {"Fifo", Planted::Fifo, UntrustedRefusal::NotRegular},
    {"DevZeroLink", Planted::DevZeroLink, UntrustedRefusal::Link},
    {"Directory", Planted::Folder, UntrustedRefusal::NotRegular},
    {"OversizedFile", Planted::Oversized, UntrustedRefusal::TooLarge},
};

const char* const KindNames[] = {"ThumbnailEntry", "ThumbnailPack", "LockRecord", "Index",
                                 "SettingsFile",   "Photo",         "PhotoKeys"};

// Puts the planted thing at root/inside/entry, beside a folder root/outside.
QString plant(const QTemporaryDir& root, Planted planted, UntrustedKind kind) {
    QDir(root.path()).mkpath(QStringLiteral("inside"));
    const QString path = root.filePath(QStringLiteral("inside/entry"));
    const QString file = root.filePath(
        planted == Planted::LinkOutside ? QStringLiteral("secret") : QStringLiteral("inside/real"));
    QFile content(planted == Planted::RegularFile || planted == Planted::Oversized ? path : file);
    content.open(QIODevice::WriteOnly);
    content.write(Content);
    content.close();
    if (planted == Planted::LinkInside || planted == Planted::LinkOutside)
        QFile::link(file, path);
    else if (planted == Planted::DevZeroLink)
        QFile::link(QStringLiteral("/dev/zero"), path);
    else if (planted == Planted::Fifo)
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    else if (planted == Planted::Folder)
        QDir().mkdir(path);
    else if (planted == Planted::Oversized)
        QFile::resize(path, untrustedSizeLimit(kind) + 1); // sparse: costs no disk
    return path;
}

class UntrustedReads : public testing::TestWithParam<std::tuple<Case, int>> {};

TEST_P(UntrustedReads, AnswerWithinASecondWithTheContentOrARefusal) {
    const auto& [c, kindIndex] = GetParam();
    const auto kind = UntrustedKind(kindIndex);
    QTemporaryDir root;
    const QString path = plant(root, c.planted, kind);

    QElapsedTimer timer;
    timer.start();
    const UntrustedBytes read = readUntrusted(path, kind, 1s);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(read.refusal, c.expected);
    EXPECT_EQ(read.bytes, read.ok() ? Content : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, UntrustedReads,
                         testing::Combine(testing::ValuesIn(Cases),
                                          testing::Range(0, int(std::size(KindNames)))),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + '_' +
                                    KindNames[std::get<1>(info.param)];
                         });

} // namespace
