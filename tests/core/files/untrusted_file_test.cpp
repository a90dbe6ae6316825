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

// Each planter puts something at path, inside a folder beside one called
// "outside", and says what the reader must answer.
struct Planted {
    const char* name;
    void (*plant)(const QString& path, const QString& outside, UntrustedKind kind);
    UntrustedRefusal expected;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const Planted Plantings[] = {
    {"RegularFile",
     [](const QString& path, const QString&, UntrustedKind) { writeFile(path, Content); },
     UntrustedRefusal::None},
    {"LinkToAFileInside",
     [](const QString& path, const QString&, UntrustedKind) {
         writeFile(path + QStringLiteral(".real"), Content);
         QFile::link(path + QStringLiteral(".real"), path);
     },
     UntrustedRefusal::Link},
    {"LinkOutside",
     [](const QString& path, const QString& outside, UntrustedKind) {
         writeFile(outside + QStringLiteral("/secret"), Content);
         QFile::link(outside + QStringLiteral("/secret"), path);
     },
     UntrustedRefusal::Link},
    {"Fifo",
     [](const QString& path, const QString&, UntrustedKind) {
         ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
     },
     UntrustedRefusal::NotRegular},
    {"DevZeroLink",
     [](const QString& path, const QString&, UntrustedKind) {
         QFile::link(QStringLiteral("/dev/zero"), path);
     },
     UntrustedRefusal::Link},
    {"Directory", [](const QString& path, const QString&, UntrustedKind) { QDir().mkdir(path); },
     UntrustedRefusal::NotRegular},
    {"OversizedFile",
     [](const QString& path, const QString&, UntrustedKind kind) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.resize(untrustedSizeLimit(kind) + 1); // sparse: costs no disk
     },
     UntrustedRefusal::TooLarge},
};

const UntrustedKind Kinds[] = {UntrustedKind::ThumbnailEntry, UntrustedKind::ThumbnailPack,
                               UntrustedKind::LockRecord,     UntrustedKind::Index,
                               UntrustedKind::SettingsFile,   UntrustedKind::Photo};

const char* const KindNames[] = {"ThumbnailEntry", "ThumbnailPack", "LockRecord",
                                 "Index",          "SettingsFile",  "Photo"};

class UntrustedReads : public testing::TestWithParam<std::tuple<Planted, UntrustedKind>> {};

TEST_P(UntrustedReads, AnswerWithinASecondWithTheContentOrARefusal) {
    const auto& [planted, kind] = GetParam();
    QTemporaryDir root;
    QDir(root.path()).mkdir(QStringLiteral("outside"));
    QDir(root.path()).mkdir(QStringLiteral("inside"));
    const QString path = root.filePath(QStringLiteral("inside/entry"));
    planted.plant(path, root.filePath(QStringLiteral("outside")), kind);

    QElapsedTimer timer;
    timer.start();
    const UntrustedBytes read = readUntrusted(path, kind, 1s);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(read.refusal, planted.expected);
    EXPECT_EQ(read.bytes, read.ok() ? Content : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, UntrustedReads,
                         testing::Combine(testing::ValuesIn(Plantings), testing::ValuesIn(Kinds)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + '_' +
                                    KindNames[int(std::get<1>(info.param))];
                         });

} // namespace
