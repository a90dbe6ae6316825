// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/thumbnail_geometry.h"
#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/library/load_folder.h"
#include "photo_ops_fixture.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Question = QStringLiteral("しゃしんをさくじょ（けす）してよろしいですか？");

using DeletingPhotos = PhotoCommands;

TEST_F(DeletingPhotos, MarkedPhotosAreDeletedAndTheRowKeepsItsDate) {
    makeFolders({{QStringLiteral("a"), 10}, {QStringLiteral("b"), 3}});
    const QStringList marked = {rig.state.folder.PhotoPaths[2], rig.state.folder.PhotoPaths[5],
                                rig.state.folder.PhotoPaths[9]};
    for (int n : {2, 5, 9})
        rig.state.folder.PhotoMarks[n] = 1;
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    for (const QString& path : marked)
        EXPECT_FALSE(exists(path)) << path.toStdString();
    EXPECT_EQ(filesIn(folderPath(1)), 7);
    EXPECT_EQ(rig.state.folder.PhotoCount, 7);
    EXPECT_EQ(markedCount(), 0);
    EXPECT_EQ(rig.readIndexLines(), QStringList({QStringLiteral("a,IMG_0001_a,2001/01/01 7,"),
                                                 QStringLiteral("b,IMG_0002_b,2001/01/02 3,")}));
}

TEST_F(DeletingPhotos, NoChangesNothing) {
    makeFolders({{QStringLiteral("a"), 10}});
    mark(1, 3);
    const QStringList index = rig.readIndexLines();
    rig.messages.answers = {false};

    rig.form->deleteAction->trigger();

    EXPECT_EQ(filesIn(folderPath(1)), 10);
    EXPECT_EQ(markedCount(), 3);
    EXPECT_EQ(rig.state.folder.PhotoCount, 10);
    EXPECT_EQ(rig.readIndexLines(), index);
    EXPECT_EQ(rig.messages.beeps, 0);
}

TEST_F(DeletingPhotos, NothingMarkedAsksForPhotosWithoutAQuestion) {
    makeFolders({{QStringLiteral("a"), 4}});

    rig.form->deleteAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("しゃしんをえらんでください。")});
    EXPECT_EQ(filesIn(folderPath(1)), 4);
}

TEST_F(DeletingPhotos, OnlyTheFirstHundredMarkedAreDeleted) {
    makeFolders({{QStringLiteral("a"), 120}});
    QStringList paths;
    for (int n = 1; n <= 120; ++n)
        paths << rig.state.folder.PhotoPaths[n];
    mark(1, 120);
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(exists(paths[i]), i >= 100) << paths[i].toStdString();
    EXPECT_EQ(rig.state.folder.PhotoCount, 20);
    EXPECT_EQ(markedCount(), 0);
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2001/01/01 20,")});
}

TEST_F(DeletingPhotos, DeletingEveryPhotoLeavesAnEmptyPage) {
    makeFolders({{QStringLiteral("a"), 4}});
    mark(1, 4);
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    EXPECT_EQ(filesIn(folderPath(1)), 0);
    EXPECT_EQ(rig.state.folder.PhotoCount, 0);
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2001/01/01 0,")});
    const QRect firstPicture = thumbCell(true, 0, 0, {}).picture();
    EXPECT_EQ(rig.panelColourAt(firstPicture.center()), QColor(255, 255, 192));
}

TEST_F(DeletingPhotos, RecountTakesEveryExtensionStartingWithJp) {
    makeFolders({{QStringLiteral("a"), 3}});
    for (const char* name : {"x.jpeg", "y.Jpe", "z.png", "JPG"})
        QFile(rig.host(folderPath(1)) + u'/' + QString::fromLatin1(name))
            .open(QIODevice::WriteOnly);
    loadFolder(rig.program);
    int first = 0;
    while (!rig.state.folder.PhotoPaths[++first].endsWith(QStringLiteral(".JPG")))
        ;
    rig.state.folder.PhotoMarks[first] = 1;
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    EXPECT_EQ(rig.state.folder.PhotoCount, 4);
    EXPECT_EQ(rig.readIndexLines().value(0).section(u',', 2, 2), QStringLiteral("2002/06/15 4"));
}

TEST_F(DeletingPhotos, PhotoThatIsAlreadyGoneIsSkippedSilently) {
    makeFolders({{QStringLiteral("a"), 5}});
    mark(1, 3);
    QFile::remove(rig.host(rig.state.folder.PhotoPaths[2]));
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2001/01/01 2,")});
}

TEST_F(DeletingPhotos, FolderOpenedByPathRewritesTheIndexRowsUnchanged) {
    makeFolders({{QStringLiteral("a"), 2}, {QStringLiteral("b"), 1}});
    const QStringList index = rig.readIndexLines();
    addPhotos(QStringLiteral("D:\\PHOTOS"), 3, QStringLiteral("d"));
    rig.state.openClass.CurrentFolderIndex = 0;
    rig.state.folder.PhotoFolder = QStringLiteral("D:\\PHOTOS");
    loadFolder(rig.program);
    mark(1, 1);
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(filesIn(QStringLiteral("D:\\PHOTOS")), 2);
    EXPECT_EQ(rig.readIndexLines(), index);
}

TEST_F(DeletingPhotos, DeletedPhotosLeaveNoThumbnailBehind) {
    makeFolders({{QStringLiteral("a"), 4}});
    const DesktopThumbnailCache cache(rig.thumbnailRoot());
    QStringList entries;
    for (int n = 1; n <= 4; ++n) {
        const QString photo = rig.host(rig.state.folder.PhotoPaths[n]);
        const QFileInfo info(photo);
        cache.store(photo, {info.lastModified().toSecsSinceEpoch(), info.size()},
                    QImage(256, 192, QImage::Format_RGB32), {4000, 3000});
        entries << cache.largeEntryPath(photo);
        ASSERT_TRUE(QFile::exists(entries.last()));
    }
    mark(2, 3);
    rig.messages.answers = {true};

    rig.form->deleteAction->trigger();

    EXPECT_TRUE(QFile::exists(entries[0]));
    EXPECT_FALSE(QFile::exists(entries[1]));
    EXPECT_FALSE(QFile::exists(entries[2]));
    EXPECT_TRUE(QFile::exists(entries[3]));
}

} // namespace
