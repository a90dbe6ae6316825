// SPDX-License-Identifier: GPL-3.0-or-later
#include "support_library/import_rig.h"
#include "ui/folder_name_window/folder_name_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray bytesOf(const QString& hostPath) {
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct RepeatCase {
    const char* name;
    QStringList imported; // card photos of an import before, as name=colour
    QStringList card;     // the card at the second import
    QString cardLine;
    QStringList told; // after the question
    int newPhotos;    // in the folder the second import made; -1: none made
};

class RepeatImport : public ::testing::TestWithParam<RepeatCase> {
protected:
    void putCard(const QStringList& photos) {
        QDir(rig.driveHost({})).removeRecursively();
        QDir().mkpath(rig.driveHost({}));
        for (const QString& photo : photos)
            rig.putPhoto(photo.section(u'=', 0, 0), photo.section(u'=', 1).toInt());
    }
    ImportRig rig;
};

const QString Question = QStringLiteral("しゃしんをとりこみます。");

TEST_P(RepeatImport, BringsOnlyWhatTheClassLacks) {
    const RepeatCase& c = GetParam();
    rig.openClassFolder();
    if (!c.imported.isEmpty()) {
        putCard(c.imported);
        rig.messages.answers = {true};
        rig.importAs(QStringLiteral("まえ"));
    }
    const int foldersBefore = rig.state.openClass.FolderTable.count();
    putCard(c.card);
    rig.messages.shown.clear();
    rig.messages.answers = {true};
    const ImportRig::Outcome outcome = rig.importAs(QStringLiteral("つぎ"));

    EXPECT_EQ(outcome.window->photoDriveLine->text(), c.cardLine);
    EXPECT_EQ(rig.messages.shown, QStringList{Question} + c.told);
    EXPECT_FALSE(outcome.stayedOpen);
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), foldersBefore + (c.newPhotos < 0 ? 0 : 1));
    if (c.newPhotos >= 0) {
        EXPECT_EQ(rig.state.folder.PhotoCount, c.newPhotos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cards, RepeatImport,
    ::testing::Values(RepeatCase{"all_new",
                                 {},
                                 {"A.JPG=1", "B.JPG=2", "C.JPG=3", "D.JPG=4"},
                                 QStringLiteral("A: に 4まい（あたらしい しゃしん 4まい）"),
                                 {},
                                 4},
                      RepeatCase{"all_old",
                                 {"A.JPG=1", "B.JPG=2"},
                                 {"A.JPG=1", "B.JPG=2"},
                                 QStringLiteral("A: に 2まい（あたらしい しゃしん 0まい）"),
                                 {QStringLiteral("ぜんぶ もう とりこんであります。")},
                                 -1},
                      RepeatCase{"half_old",
                                 {"A.JPG=1", "B.JPG=2"},
                                 {"A.JPG=1", "B.JPG=2", "C.JPG=3", "D.JPG=4"},
                                 QStringLiteral("A: に 4まい（あたらしい しゃしん 2まい）"),
                                 {QStringLiteral("2まいは もう とりこんであります。")},
                                 2},
                      RepeatCase{"same_photo_under_another_name",
                                 {"A.JPG=1"},
                                 {"RENAMED.JPG=1", "E.JPG=5"},
                                 QStringLiteral("A: に 2まい（あたらしい しゃしん 1まい）"),
                                 {QStringLiteral("1まいは もう とりこんであります。")},
                                 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever stands as the class's key file, the import neither waits on it nor
// reads past its limit: it finds the class's photos again by their heads.
TEST(RepeatImport, APlantedKeyFileIsReadAgainFromThePhotos) {
    const std::function<bool(const QString&)> plantings[] = {
        [](const QString& path) {
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        },
        [](const QString& path) { return QFile::link(QStringLiteral("/dev/zero"), path); },
        [](const QString& path) {
            return QFile(path).open(QIODevice::WriteOnly) && QFile::resize(path, 1LL << 32);
        }};
    for (const auto& plant : plantings) {
        ImportRig rig;
        rig.putPhoto(QStringLiteral("A.JPG"), 1);
        rig.openClassFolder();
        rig.messages.answers = {true, true};
        rig.importAs(QStringLiteral("まえ"));
        const QString keys = rig.host(rig.classFolder) + QStringLiteral("/PHOTOKEYS.TXT");
        ASSERT_TRUE(QFile::remove(keys) && plant(keys));
        rig.messages.shown.clear();
        rig.importAs(QStringLiteral("つぎ"));
        EXPECT_EQ(rig.messages.shown.value(1), QStringLiteral("ぜんぶ もう とりこんであります。"));
    }
}

TEST(CameraFolders, ARestartedCounterKeepsEachFoldersPhotosTogether) {
    ImportRig rig;
    QDir().mkpath(rig.driveHost(QStringLiteral("DCIM/100CANON")));
    QDir().mkpath(rig.driveHost(QStringLiteral("DCIM/101CANON")));
    const QStringList cardOrder = {
        QStringLiteral("DCIM/100CANON/IMG_0001.JPG"), QStringLiteral("DCIM/100CANON/IMG_0002.JPG"),
        QStringLiteral("DCIM/100CANON/IMG_0003.JPG"), QStringLiteral("DCIM/101CANON/IMG_0002.JPG")};
    for (int i = 0; i < cardOrder.size(); ++i)
        rig.putPhoto(cardOrder[i], i + 1);
    rig.openClassFolder();
    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("えんそく"));
    rig.openClassFolder();

    ASSERT_EQ(rig.state.folder.PhotoCount, cardOrder.size());
    for (int i = 0; i < cardOrder.size(); ++i)
        EXPECT_EQ(bytesOf(rig.host(rig.state.folder.PhotoPaths[i + 1])),
                  bytesOf(rig.driveHost(cardOrder[i])))
            << "page place " << i + 1;
}

} // namespace
