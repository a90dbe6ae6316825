// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/fault_plan.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/library/class_trash.h"
#include "folder_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

namespace {

const QString Question = QStringLiteral("フォルダをけしていいですか。");
const QString PhotosStayed = QStringLiteral("けせなかったしゃしんがあります。");

class DeletingFolders : public FolderCommands {
protected:
    void deleteAnswering(bool yes) {
        rig.messages.answers.push_back(yes);
        rig.form->deleteFolderButton->click();
    }
    bool onDisk(const QString& drivePath) const { return QFileInfo::exists(rig.host(drivePath)); }
};

TEST_F(DeletingFolders, DeletingAMiddleFolderOpensTheOneThatFollowed) {
    makeFolders({1, 2, 3, 4, 5});
    clickFolderList(20 + 34 * 3);
    ASSERT_EQ(rig.state.openClass.CurrentFolderIndex, 3);
    rig.state.folder.PhotoMarks[1] = 1;
    deleteAnswering(true);

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_FALSE(onDisk(folderOf(3)));
    EXPECT_EQ(rig.readIndexLines(),
              QStringList({indexLine(1, 1), indexLine(2, 2), indexLine(4, 4), indexLine(5, 5)}));
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 4);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 3);
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderOf(4));
    EXPECT_EQ(rig.state.folder.PhotoCount, 4);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("f4"));
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 0);
    EXPECT_EQ(listRowFill(3), OpenRow);
    EXPECT_EQ(listRowFill(5), ListBackground);
    EXPECT_TRUE(rig.state.openClass.FolderTable[5][ColDirectory].isEmpty());
}

TEST_F(DeletingFolders, DeletingTheLastRowOpensTheNewLastRow) {
    makeFolders({1, 2, 3, 4, 5});
    clickFolderList(20 + 34 * 5);
    deleteAnswering(true);
    EXPECT_EQ(rig.readIndexLines(),
              QStringList({indexLine(1, 1), indexLine(2, 2), indexLine(3, 3), indexLine(4, 4)}));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 4);
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderOf(4));
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("f4"));
    EXPECT_EQ(listRowFill(4), OpenRow);
}

TEST_F(DeletingFolders, NoChangesNothingButReadsTheFolderAgain) {
    makeFolders({1, 2, 3});
    clickFolderList(88);
    rig.state.folder.PhotoMarks[1] = 1;
    const QStringList before = rig.readIndexLines();
    QFile(rig.host(folderOf(2)) + QStringLiteral("/NEW.JPG")).open(QIODevice::WriteOnly);
    deleteAnswering(false);

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_TRUE(onDisk(folderOf(2)));
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 3);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(rig.state.folder.PhotoMarks[1], 1);
    // Only the reload's own count correction touches the index.
    QStringList expected = before;
    expected[1] = indexLine(2, 3);
    EXPECT_EQ(rig.readIndexLines(), expected);
    EXPECT_EQ(listRowFill(2), OpenRow);
}

TEST_F(DeletingFolders, WithoutFoldersNothingIsAsked) {
    rig.openClassFolder();
    rig.form->deleteFolderButton->click();
    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 0);
}

TEST_F(DeletingFolders, TheFolderGoesToTheTrashWholeAndTheRowGoes) {
    makeFolders({1, 2});
    const QString sub = folderOf(1) + QStringLiteral("\\SUB");
    rig.makePhotos(sub, 1, {32, 24});
    QFile(rig.host(folderOf(1)) + QStringLiteral("/NOTE.TXT")).open(QIODevice::WriteOnly);
    deleteAnswering(true);

    EXPECT_FALSE(onDisk(folderOf(1)));
    const QList<TrashItem> trash = listTrash(rig.files, rig.classFolder);
    ASSERT_EQ(trash.size(), 1);
    EXPECT_TRUE(onDisk(trash[0].contentPath + QStringLiteral("\\SUB\\P001.JPG")));
    EXPECT_TRUE(onDisk(trash[0].contentPath + QStringLiteral("\\NOTE.TXT")));
    EXPECT_EQ(rig.readIndexLines(), QStringList{indexLine(2, 2)});
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderOf(2));
}

TEST_F(DeletingFolders, AFolderThatCannotMoveKeepsItsRow) {
    makeFolders({3, 2});
    FaultPlan faults;
    rig.files.setFaultPlan(&faults);
    faults.failAt(1, FileOperation::Rename);
    deleteAnswering(true);
    rig.files.setFaultPlan(nullptr);

    EXPECT_EQ(rig.messages.shown, QStringList({Question, PhotosStayed}));
    EXPECT_EQ(rig.files.listFiles(folderOf(1), QStringLiteral("*.*")).size(), 3);
    EXPECT_EQ(rig.readIndexLines(), QStringList({indexLine(1, 3), indexLine(2, 2)}));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);

    // A folder that may not be changed loses nothing.
    const QString folder = rig.host(folderOf(2));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    clickFolderList(88);
    rig.messages.shown.clear();
    deleteAnswering(true);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_EQ(rig.messages.shown, QStringList({Question, PhotosStayed}));
    EXPECT_EQ(rig.files.listFiles(folderOf(2), QStringLiteral("*.*")).size(), 2);
    EXPECT_EQ(rig.readIndexLines(), QStringList({indexLine(1, 3), indexLine(2, 2)}));
}

TEST_F(DeletingFolders, NeverEmptiesALinkOrAClassFolder) {
    const QString outside = QStringLiteral("C:\\A_IMAGE\\outside");
    rig.makePhotos(outside, 2, {32, 24});
    ASSERT_TRUE(
        QFile::link(rig.host(outside), rig.host(rig.classFolder) + QStringLiteral("/LINKED")));
    // In personal use the class folder is the save root, beside the classes' folders.
    rig.state.settings.SaveRoot = rig.classFolder;
    const QString otherClass = rig.classFolder + QStringLiteral("\\CLASS_11");
    const QString nestedIndex = rig.classFolder + QStringLiteral("\\NESTED");
    rig.makePhotos(otherClass, 1, {32, 24});
    rig.makePhotos(nestedIndex, 1, {32, 24});
    QFile(rig.host(nestedIndex) + QStringLiteral("/IMGMAIN.TXT")).open(QIODevice::WriteOnly);
    rig.writeIndexLines({QStringLiteral("l,LINKED,2002/06/15 2,"),
                         QStringLiteral("k,CLASS_11,2002/06/15 1,"),
                         QStringLiteral("n,NESTED,2002/06/15 1,")});
    rig.openClassFolder();
    for (int row = 1; row <= 3; ++row)
        deleteAnswering(true);

    EXPECT_EQ(rig.readIndexLines(), QStringList());
    EXPECT_EQ(rig.files.listFiles(outside, QStringLiteral("*.*")).size(), 2);
    EXPECT_TRUE(QFileInfo(rig.host(rig.classFolder) + QStringLiteral("/LINKED")).isSymLink());
    EXPECT_EQ(rig.files.listFiles(otherClass, QStringLiteral("*.*")).size(), 1);
    EXPECT_EQ(rig.files.listFiles(nestedIndex, QStringLiteral("*.*")).size(), 2);
}

TEST_F(DeletingFolders, DirectoryOutsideTheClassFolderIsNeverDeleted) {
    const QString outside = QStringLiteral("C:\\A_IMAGE\\outside");
    rig.makePhotos(outside, 2, {32, 24});
    rig.makePhotos(folderOf(1), 1, {32, 24});
    rig.writeIndexLines({QStringLiteral("x,..\\outside,2002/06/15 2,"), indexLine(1, 1)});
    rig.openClassFolder();
    deleteAnswering(true);

    EXPECT_EQ(rig.files.listFiles(outside, QStringLiteral("*.*")).size(), 2);
    EXPECT_EQ(rig.readIndexLines(), QStringList{indexLine(1, 1)});
    EXPECT_EQ(rig.state.folder.PhotoFolder, folderOf(1));
}

TEST_F(DeletingFolders, LinksToOutsideThePhotoFolderAreNeverFollowed) {
    const QString outside = QStringLiteral("C:\\A_IMAGE\\outside");
    rig.makePhotos(outside, 2, {32, 24});
    makeFolders({1});
    const QString folder = rig.host(folderOf(1));
    ASSERT_TRUE(QFile::link(rig.host(outside) + QStringLiteral("/P001.JPG"),
                            folder + QStringLiteral("/LINK.JPG")));
    ASSERT_TRUE(QFile::link(rig.host(outside), folder + QStringLiteral("/DIR.JPG")));
    rig.openClassFolder();
    deleteAnswering(true);

    EXPECT_EQ(rig.files.listFiles(outside, QStringLiteral("*.*")).size(), 2);
    EXPECT_EQ(rig.readIndexLines(), QStringList());
}

TEST_F(DeletingFolders, FolderOpenedByPathIsRefused) {
    makeFolders({1, 2});
    rig.makePhotos(QStringLiteral("D:\\PHOTOS"), 2, {32, 24});
    rig.dialogs.nextChoice = rig.host(QStringLiteral("D:\\PHOTOS\\P001.JPG"));
    rig.form->otherFolderAction->trigger();
    const QStringList before = rig.readIndexLines();
    rig.form->deleteFolderButton->click();

    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("このフォルダはけせません。")});
    EXPECT_EQ(rig.files.listFiles(QStringLiteral("D:\\PHOTOS"), QStringLiteral("*.*")).size(), 2);
    EXPECT_TRUE(onDisk(folderOf(1)));
    EXPECT_EQ(rig.readIndexLines(), before);
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 2);
    EXPECT_EQ(rig.state.folder.PhotoFolder, QStringLiteral("D:\\PHOTOS"));
}

TEST_F(DeletingFolders, DeletingTheOnlyFolderClearsPageTitleAndList) {
    makeFolders({3});
    deleteAnswering(true);

    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 0);
    EXPECT_EQ(rig.readIndexLines(), QStringList());
    EXPECT_FALSE(onDisk(folderOf(1)));
    EXPECT_EQ(rig.state.folder.PhotoCount, 0);
    EXPECT_TRUE(rig.state.folder.PhotoFolder.isEmpty());
    EXPECT_TRUE(rig.state.folder.FolderTitle.isEmpty());
    EXPECT_EQ(listRowFill(1), ListBackground);
    const QColor pageBackground(255, 255, 192);
    EXPECT_EQ(rig.panelColourAt({60, 90}), pageBackground);
    const QRect title = titleBox(true).adjusted(1, 1, -1, -1);
    const QImage page = rig.form->thumbnailPanel->image();
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x)
            ASSERT_EQ(page.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST_F(DeletingFolders, DeletedFolderLeavesNoThumbnailBehind) {
    makeFolders({2, 2});
    const DesktopThumbnailCache cache(rig.thumbnailRoot());
    const auto entryOf = [&](int row, int photo) {
        const QString file = rig.host(folderOf(row)) +
                             QStringLiteral("/P%1.JPG").arg(photo, 3, 10, QLatin1Char('0'));
        const QFileInfo info(file);
        cache.store(file, {info.lastModified().toSecsSinceEpoch(), info.size()},
                    QImage(256, 192, QImage::Format_RGB32), {4000, 3000});
        return cache.largeEntryPath(file);
    };
    const QStringList doomed = {entryOf(1, 1), entryOf(1, 2)};
    const QString kept = entryOf(2, 1);
    for (const QString& entry : doomed + QStringList{kept})
        ASSERT_TRUE(QFile::exists(entry));

    deleteAnswering(true);

    ASSERT_FALSE(onDisk(folderOf(1)));
    for (const QString& entry : doomed)
        EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(QFile::exists(kept));
}

} // namespace
