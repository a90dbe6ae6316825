// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/load_folder.h"
#include "support_library/library_fixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class LoadingFolder : public ::testing::Test {
protected:
    LibraryRig rig;
    QString indexHost() const {
        return rig.host(rig.classFolder + QStringLiteral("\\IMGMAIN.TXT"));
    }
};

TEST_F(LoadingFolder, DifferentCountCorrectsTheRowAndRewritesTheIndex) {
    rig.makePhotos(rig.classFolder + QStringLiteral("\\IMG_0001_a"), 10, {32, 24});
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2001/01/02 12,"),
                         QStringLiteral("b,IMG_0002_b,2001/01/03 4,x")});
    rig.openClassFolder();
    EXPECT_EQ(rig.state.folder.PhotoCount, 10);
    EXPECT_EQ(rig.readIndexLines(), QStringList({QStringLiteral("a,IMG_0001_a,2002/06/15 10,"),
                                                 QStringLiteral("b,IMG_0002_b,2001/01/03 4,x")}));
}

TEST_F(LoadingFolder, EqualCountLeavesTheIndexUntouched) {
    rig.makePhotos(rig.classFolder + QStringLiteral("\\IMG_0001_a"), 3, {32, 24});
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2001/01/02 3")});
    {
        QFile index(indexHost());
        ASSERT_TRUE(index.open(QIODevice::ReadWrite));
        index.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                          QFileDevice::FileModificationTime);
    }
    const QDateTime older = QFileInfo(indexHost()).lastModified();
    rig.openClassFolder();
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    EXPECT_EQ(QFileInfo(indexHost()).lastModified(), older);
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2001/01/02 3")});
}

TEST_F(LoadingFolder, EmptyFolderWithEmptyCountIsNotRewritten) {
    rig.files.makeDirectory(rig.classFolder + QStringLiteral("\\IMG_0001_a"));
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,,")});
    rig.openClassFolder();
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,,")});
}

TEST_F(LoadingFolder, ListsOnlyPhotoFilesAndAtMostOneThousand) {
    const QString folder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
    rig.files.makeDirectory(folder);
    for (const char* name : {"a.jpg", "b.JPEG", "c.Jpg", "d.png", "JPG", "e.txt"})
        QFile(rig.host(folder) + u'/' + QString::fromLatin1(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(listPhotoPaths(rig.files, folder, 1000).size(), 3);
    EXPECT_EQ(listPhotoPaths(rig.files, folder, 2).size(), 2);
    EXPECT_TRUE(listPhotoPaths(rig.files, QString(), 1000).isEmpty());
    for (const QString& path : listPhotoPaths(rig.files, folder, 1000))
        EXPECT_TRUE(path.startsWith(folder + u'\\'));
}

TEST_F(LoadingFolder, DirectoryNamesThatLeaveTheClassFolderAreNeverListed) {
    rig.makePhotos(QStringLiteral("C:\\A_IMAGE\\outside"), 2, {32, 24});
    rig.writeIndexLines({QStringLiteral("a,..\\outside,2001/01/02 2,")});
    rig.openClassFolder();
    EXPECT_EQ(rig.state.folder.PhotoCount, 0);
}

TEST_F(LoadingFolder, FolderOpenedByPathRewritesTheIndexUnchanged) {
    rig.makePhotos(QStringLiteral("D:\\PHOTOS"), 2, {32, 24});
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2001/01/02 3,")});
    rig.openClassFolder();
    rig.state.openClass.CurrentFolderIndex = 0;
    rig.state.folder.PhotoFolder = QStringLiteral("D:\\PHOTOS");
    loadFolder(rig.program);
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/06/15 0,")});
}

} // namespace
