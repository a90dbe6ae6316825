// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/copy_photos.h"
#include "core/library/library_paths.h"
#include "photo_ops_fixture.h"
#include "ui/widgets/picture_box.h"

#include <QFile>
#include <QPushButton>

namespace {

const QString CopyFailed = QStringLiteral("コピーできなかったしゃしんがあります。");

using CopyingPhotos = PhotoCommands;

TEST_F(CopyingPhotos, MarkedPhotosGoIntoTheClickedFolderWhichOpens) {
    makeFolders({{QStringLiteral("a"), 10}, {QStringLiteral("b"), 7}});
    mark(1, 5);

    rig.form->copyAction->trigger();

    EXPECT_FALSE(rig.form->copyTargetPrompt->isHidden());
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::CopyTarget);
    EXPECT_EQ(rig.state.copy.PickCount, 5);
    EXPECT_EQ(markedCount(), 5);
    EXPECT_EQ(filesIn(folderPath(2)), 7);

    completeCopy(rig.program, 2);

    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(filesIn(folderPath(1)), 10);
    EXPECT_EQ(filesIn(folderPath(2)), 12);
    EXPECT_EQ(rig.readIndexLines(), QStringList({QStringLiteral("a,IMG_0001_a,2001/01/01 10,"),
                                                 QStringLiteral("b,IMG_0002_b,2001/01/02 12,")}));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderPath(2));
    EXPECT_EQ(rig.state.folder.PhotoCount, 12);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("b"));
    EXPECT_EQ(markedCount(), 0);
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_TRUE(rig.form->copyTargetPrompt->isHidden());
}

TEST_F(CopyingPhotos, SourceFolderAsDestinationCopiesNothingButRecounts) {
    makeFolders({{QStringLiteral("a"), 10}, {QStringLiteral("b"), 2}});
    mark(1, 3);
    const QString marked = rig.state.folder.PhotoPaths[1];
    const QDateTime before = ageFile(marked);
    rig.form->copyAction->trigger();
    addPhotos(folderPath(1), 1, QStringLiteral("new"));

    completeCopy(rig.program, 1);

    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(filesIn(folderPath(1)), 11);
    EXPECT_EQ(modifiedAt(marked), before);
    EXPECT_EQ(rig.readIndexLines().value(0), QStringLiteral("a,IMG_0001_a,2001/01/01 11,"));
    EXPECT_EQ(markedCount(), 0);
}

TEST_F(CopyingPhotos, SameNamedFileIsReplacedWithoutGrowingTheCount) {
    makeFolders({{QStringLiteral("a"), 3}, {QStringLiteral("b"), 2}});
    const QString clash = joinPath(folderPath(2), QStringLiteral("a001.JPG"));
    addPhotos(folderPath(2), 1, QStringLiteral("a"), 200);
    int number = 1;
    while (fileNameOf(rig.state.folder.PhotoPaths[number]) != QStringLiteral("a001.JPG"))
        ++number;
    const QByteArray source = bytesOf(rig.state.folder.PhotoPaths[number]);
    ASSERT_NE(bytesOf(clash), source);
    rig.state.folder.PhotoMarks[number] = 1;

    rig.form->copyAction->trigger();
    completeCopy(rig.program, 2);

    EXPECT_EQ(bytesOf(clash), source);
    EXPECT_EQ(filesIn(folderPath(2)), 3);
    EXPECT_EQ(rig.readIndexLines().value(1), QStringLiteral("b,IMG_0002_b,2001/01/02 3,"));
}

TEST_F(CopyingPhotos, OnlyTheFirstHundredMarkedAreCopied) {
    makeFolders({{QStringLiteral("a"), 150}, {QStringLiteral("b"), 0}});
    QStringList expected;
    for (int n = 1; n <= 100; ++n)
        expected << fileNameOf(rig.state.folder.PhotoPaths[n]);
    mark(1, 150);

    rig.form->copyAction->trigger();
    EXPECT_EQ(rig.state.copy.PickCount, 150);
    completeCopy(rig.program, 2);

    EXPECT_EQ(filesIn(folderPath(2)), 100);
    for (const QString& name : expected)
        EXPECT_TRUE(exists(joinPath(folderPath(2), name))) << name.toStdString();
    EXPECT_EQ(rig.readIndexLines().value(1), QStringLiteral("b,IMG_0002_b,2001/01/02 100,"));
}

TEST_F(CopyingPhotos, CancelKeepsMarksAndFolders) {
    makeFolders({{QStringLiteral("a"), 6}, {QStringLiteral("b"), 2}});
    const QStringList index = rig.readIndexLines();
    mark(2, 4);

    rig.form->copyAction->trigger();
    rig.form->cancelCopyButton->click();

    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_TRUE(rig.form->copyTargetPrompt->isHidden());
    EXPECT_EQ(markedCount(), 3);
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 1);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.PhotoCount, 6);
    EXPECT_EQ(filesIn(folderPath(1)), 6);
    EXPECT_EQ(filesIn(folderPath(2)), 2);
    EXPECT_EQ(rig.readIndexLines(), index);
}

TEST_F(CopyingPhotos, NothingMarkedAsksForPhotosAndDoesNotWait) {
    makeFolders({{QStringLiteral("a"), 3}});

    rig.form->copyAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("しゃしんをえらんでください。")});
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_TRUE(rig.form->copyTargetPrompt->isHidden());
}

TEST_F(CopyingPhotos, VanishedSourceIsReportedAfterTheDestinationOpens) {
    makeFolders({{QStringLiteral("a"), 5}, {QStringLiteral("b"), 1}});
    mark(1, 3);
    rig.form->copyAction->trigger();
    QFile::remove(rig.host(rig.state.folder.PhotoPaths[2]));

    completeCopy(rig.program, 2);

    EXPECT_EQ(rig.messages.shown, QStringList{CopyFailed});
    EXPECT_EQ(filesIn(folderPath(2)), 3);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_TRUE(rig.form->copyTargetPrompt->isHidden());
}

TEST_F(CopyingPhotos, RowOutsideTheClassFolderGetsNoCopies) {
    makeFolders({{QStringLiteral("a"), 3}});
    const QString outside = QStringLiteral("C:\\A_IMAGE\\outside");
    rig.files.makeDirectory(outside);
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2001/01/01 3,"),
                         QStringLiteral("x,..\\outside,2001/01/02 0,")});
    rig.openClassFolder();
    mark(1, 2);
    rig.form->copyAction->trigger();

    completeCopy(rig.program, 2);

    EXPECT_EQ(filesIn(outside), 0);
    EXPECT_EQ(filesIn(folderPath(1)), 3);
    EXPECT_EQ(rig.messages.shown, QStringList{CopyFailed});
    EXPECT_EQ(rig.state.copy.Pick, FolderPick::Open);
    EXPECT_EQ(rig.state.folder.PhotoCount, 0);
}

TEST_F(CopyingPhotos, NeverCopiesIntoALinkToAFolderOutsideTheLibrary) {
    const QString outside = QStringLiteral("D:\\OUTSIDE");
    addPhotos(outside, 1, QStringLiteral("o"));
    makeFolders({{QStringLiteral("a"), 3}});
    ASSERT_TRUE(
        QFile::link(rig.host(outside), rig.host(rig.classFolder) + QStringLiteral("/LINKED")));
    rig.writeIndexLines(
        {QStringLiteral("a,IMG_0001_a,2001/01/01 3,"), QStringLiteral("l,LINKED,2001/01/02 1,")});
    rig.openClassFolder();
    mark(1, 2);
    rig.form->copyAction->trigger();

    completeCopy(rig.program, 2);

    EXPECT_EQ(filesIn(outside), 1);
    EXPECT_EQ(filesIn(folderPath(1)), 3);
    EXPECT_EQ(rig.messages.shown, QStringList{CopyFailed});
}

} // namespace
