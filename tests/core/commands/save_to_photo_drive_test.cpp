// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/library_paths.h"
#include "core/library/load_folder.h"
#include "photo_ops_fixture.h"

#include <QDir>
#include <QFile>

namespace {

const QString Question = QStringLiteral("フロッピーディスクへ，ほぞんします？");
const QString SaveFailed = QStringLiteral("ほぞんできなかったしゃしんがあります。");

class SavingToPhotoDrive : public PhotoCommands {
protected:
    SavingToPhotoDrive() { rig.state.settings.PhotoDrivePath = QStringLiteral("A:\\"); }
    QStringList namesOnDrive() const {
        return QDir(rig.host(QStringLiteral("A:\\"))).entryList(QDir::Files, QDir::Name);
    }
};

TEST_F(SavingToPhotoDrive, MarkedPhotosAreCopiedAfterTheQuestionAndStayMarked) {
    makeFolders({{QStringLiteral("a"), 5}});
    rig.state.folder.PhotoMarks[2] = 1;
    rig.state.folder.PhotoMarks[4] = 1;
    rig.messages.answers = {true};

    rig.form->saveToDriveAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    QStringList expected = {fileNameOf(rig.state.folder.PhotoPaths[2]),
                            fileNameOf(rig.state.folder.PhotoPaths[4])};
    expected.sort();
    EXPECT_EQ(namesOnDrive(), expected);
    EXPECT_EQ(bytesOf(QStringLiteral("A:\\") + expected[0]),
              bytesOf(joinPath(folderPath(1), expected[0])));
    EXPECT_EQ(markedCount(), 2);
    EXPECT_EQ(rig.state.folder.PhotoCount, 5);
}

TEST_F(SavingToPhotoDrive, NoCopiesNothing) {
    makeFolders({{QStringLiteral("a"), 3}});
    mark(1, 3);
    rig.messages.answers = {false};

    rig.form->saveToDriveAction->trigger();

    EXPECT_TRUE(namesOnDrive().isEmpty());
    EXPECT_EQ(rig.messages.beeps, 0);
}

TEST_F(SavingToPhotoDrive, NothingMarkedAsksForPhotosWithoutAQuestion) {
    makeFolders({{QStringLiteral("a"), 3}});

    rig.form->saveToDriveAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("しゃしんをえらんでください。")});
    EXPECT_TRUE(namesOnDrive().isEmpty());
}

TEST_F(SavingToPhotoDrive, OnlyTheFirstHundredMarkedAreSaved) {
    makeFolders({{QStringLiteral("a"), 150}});
    QStringList expected;
    for (int n = 1; n <= 100; ++n)
        expected << fileNameOf(rig.state.folder.PhotoPaths[n]);
    expected.sort();
    mark(1, 150);
    rig.messages.answers = {true};

    rig.form->saveToDriveAction->trigger();

    EXPECT_EQ(namesOnDrive(), expected);
    EXPECT_EQ(markedCount(), 150);
}

TEST_F(SavingToPhotoDrive, SameNamedFileOnTheDriveIsReplaced) {
    makeFolders({{QStringLiteral("a"), 1}});
    addPhotos(QStringLiteral("A:\\"), 1, QStringLiteral("a"), 200);
    mark(1, 1);
    rig.messages.answers = {true};

    rig.form->saveToDriveAction->trigger();

    EXPECT_EQ(bytesOf(QStringLiteral("A:\\a001.JPG")), bytesOf(rig.state.folder.PhotoPaths[1]));
    EXPECT_EQ(rig.messages.shown, QStringList{Question});
}

TEST_F(SavingToPhotoDrive, UnusableDriveIsReported) {
    makeFolders({{QStringLiteral("a"), 2}});
    QFile file(rig.host(QStringLiteral("A:\\file.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    rig.state.settings.PhotoDrivePath = QStringLiteral("A:\\file.txt\\");
    mark(1, 2);
    rig.messages.answers = {true};

    rig.form->saveToDriveAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList({Question, SaveFailed}));
    EXPECT_EQ(markedCount(), 2);
}

TEST_F(SavingToPhotoDrive, PhotosAlreadyOnTheDriveAreLeftAlone) {
    makeFolders({{QStringLiteral("a"), 1}});
    const QStringList onDrive = addPhotos(QStringLiteral("A:\\"), 2, QStringLiteral("f"));
    const QDateTime before = ageFile(onDrive[0]);
    rig.state.openClass.CurrentFolderIndex = 0;
    rig.state.folder.PhotoFolder = QStringLiteral("A:");
    loadFolder(rig.program);
    mark(1, 2);
    rig.messages.answers = {true};

    rig.form->saveToDriveAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_EQ(modifiedAt(onDrive[0]), before);
    EXPECT_EQ(namesOnDrive().size(), 2);
}

} // namespace
