// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/delete_folder.h"
#include "core/commands/delete_photos.h"
#include "support_library/import_rig.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

class NamesAndLinks : public ::testing::Test {
protected:
    NamesAndLinks() {
        rig.makePhotos(a, 2);
        rig.makePhotos(rig.folderPath("IMG_0002_ensoku"), 2);
        rig.writeIndexLines({"a,IMG_0001_a,2002/01/01 2,"});
    }
    // Every file under the root with its bytes, but thumbnails, index and own.
    QMap<QString, QByteArray> files(const QString& own = {}) const {
        QMap<QString, QByteArray> tree;
        QDirIterator it(rig.root.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.fileName().contains(QRegularExpression("thumbnails|IMGMAIN.TXT$" + own)) &&
                file.open(QIODevice::ReadOnly))
                tree[file.fileName()] = file.readAll();
        }
        return tree;
    }
    ImportRig rig;
    const QString a = rig.folderPath("IMG_0001_a");
};

// Names that would climb to another folder or the drive's root stay names;
// the new folder's number passes IMG_0002_ensoku, which lost its row.
TEST_F(NamesAndLinks, PathLikeNamesReachNoOtherFile) {
    for (const char* name : {"x\\..\\..\\IMG_0002_ensoku\\P001.JPG", "a\\..\\..\\..\\..\\S.JPG"})
        rig.putPhoto(name);
    QFile(rig.host(a) + "/x\\..\\..\\IMG_0002_ensoku\\P002.JPG").open(QIODevice::WriteOnly);
    const QString changed = "|IMG_0001_a/|IMG_0003_ensoku/|/ごみばこ/|PHOTOKEYS.TXT$";
    const auto before = files(changed);
    rig.messages.answers = {true, true};
    rig.openClassFolder();
    rig.importAs("ensoku");
    EXPECT_EQ(rig.namesIn(rig.folderPath("IMG_0003_ensoku")).size(), 2);
    rig.state.openClass.CurrentFolderIndex = 1;
    deleteOpenFolder(rig.program);
    EXPECT_EQ(files(changed), before);
    EXPECT_FALSE(rig.files.exists(a));
}

// A photo folder or an index that is a link is refused, never followed.
TEST_F(NamesAndLinks, LinksInPlaceOfAPhotoFolderOrTheIndexAreRefused) {
    const std::tuple<QString, QString, std::function<void()>> cases[] = {
        {"IMG_0001_a", "このフォルダのしゃしんはけせません。",
         [this] { deletePhotos(rig.program); }},
        {"IMGMAIN.TXT", "もくじのファイルがよめません。", [this] { rig.makeFolderAs("d"); }}};
    for (const auto& [replaced, message, run] : cases) {
        const QString inClass = rig.host(rig.folderPath(replaced));
        ASSERT_TRUE(QFile::rename(inClass, inClass + u'~') && QFile::link(inClass + u'~', inClass));
        const auto before = files();
        rig.openClassFolder();
        rig.state.folder.PhotoMarks[1] = 1;
        run();
        EXPECT_EQ(files(), before);
        EXPECT_TRUE(rig.messages.shown.contains(message));
    }
}
