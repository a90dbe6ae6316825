// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/photo_wiring.h"
#include "core/commands/trash_commands.h"
#include "core/library/class_trash.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "folder_fixture.h"

#include <QAction>
#include <QPushButton>

namespace {

// "title directory:photos" of each row, and how many items wait in the trash.
struct ClassView {
    QStringList rows;
    int trashItems = 0;
    bool operator==(const ClassView&) const = default;
};

struct TrashCase {
    const char* name;
    std::function<void(LibraryRig&)> act;
    // The rows after act (before: F1, F2 below); empty when unchanged.
    QStringList rowsAfter;
    int trashItems = 0;
};

class TrashTable : public FolderCommands, public ::testing::WithParamInterface<TrashCase> {
protected:
    TrashTable() { connectPhotoCommands(rig.program, *rig.form); }

    ClassView view() {
        ClassView seen;
        const FolderIndex index = readIndex(rig.files, indexPathOf(rig.classFolder));
        for (int row = 1; row <= index.count(); ++row) {
            const QString folder = rig.classFolder + u'\\' + index[row][ColDirectory];
            seen.rows << index[row][ColTitle] + u' ' + index[row][ColDirectory] + u':' +
                             rig.files.listFiles(folder, QStringLiteral("*.JP*")).join(u',');
        }
        seen.trashItems = int(listTrash(rig.files, rig.classFolder).size());
        return seen;
    }
};

void deleteFirstTwoPhotos(LibraryRig& rig) {
    rig.state.folder.PhotoMarks[1] = rig.state.folder.PhotoMarks[2] = 1;
    rig.messages.answers = {true};
    rig.form->deleteAction->trigger();
}
void deleteOpenFolder(LibraryRig& rig) {
    rig.messages.answers = {true};
    rig.form->deleteFolderButton->click();
}
void restoreAll(LibraryRig& rig) {
    restoreTrashItems(rig.program, {});
}
void reopenAfterDays(LibraryRig& rig, int days) {
    rig.clock.time = rig.clock.time.addDays(days);
    rig.openClassFolder();
}

const QString F1 = QStringLiteral("f1 IMG_0001_f1:P001.JPG,P002.JPG,P003.JPG");
const QString F2 = QStringLiteral("f2 IMG_0002_f2:P001.JPG,P002.JPG");

const TrashCase Cases[] = {
    {"delete_photos", deleteFirstTwoPhotos, {QStringLiteral("f1 IMG_0001_f1:P003.JPG"), F2}, 2},
    {"delete_folder", deleteOpenFolder, {F2}, 1},
    {"restore_photos",
     [](LibraryRig& rig) {
         deleteFirstTwoPhotos(rig);
         restoreAll(rig);
     },
     {}},
    {"restore_folder",
     [](LibraryRig& rig) {
         deleteOpenFolder(rig);
         restoreAll(rig);
     },
     {F2, F1}},
    {"restore_folder_whose_number_was_taken",
     [](LibraryRig& rig) {
         deleteOpenFolder(rig);
         rig.makePhotos(rig.classFolder + QStringLiteral("\\IMG_0001_new"), 1, {32, 24});
         rig.writeIndexLines({QStringLiteral("f2,IMG_0002_f2,2002/06/15 2,"),
                              QStringLiteral("new,IMG_0001_new,2002/06/15 1,")});
         rig.openClassFolder();
         restoreAll(rig);
     },
     {F2, QStringLiteral("new IMG_0001_new:P001.JPG"),
      QStringLiteral("f1 IMG_0003_f1:P001.JPG,P002.JPG,P003.JPG")}},
    {"empty",
     [](LibraryRig& rig) {
         deleteFirstTwoPhotos(rig);
         rig.messages.answers = {true};
         emptyTrashItems(rig.program, {});
     },
     {QStringLiteral("f1 IMG_0001_f1:P003.JPG"), F2}},
    {"empty_answered_no",
     [](LibraryRig& rig) {
         deleteOpenFolder(rig);
         rig.messages.answers = {false};
         emptyTrashItems(rig.program, {});
     },
     {F2},
     1},
    {"kept_for_29_days",
     [](LibraryRig& rig) { deleteOpenFolder(rig), reopenAfterDays(rig, 29); },
     {F2},
     1},
    {"gone_after_31_days",
     [](LibraryRig& rig) { deleteOpenFolder(rig), reopenAfterDays(rig, 31); },
     {F2}},
};

TEST_P(TrashTable, LeavesTheClassAsExpected) {
    makeFolders({3, 2});
    const ClassView before = view();
    ASSERT_EQ(before.rows, QStringList({F1, F2}));
    GetParam().act(rig);
    const ClassView after = view();
    EXPECT_EQ(after, (ClassView{GetParam().rowsAfter.isEmpty() ? before.rows : GetParam().rowsAfter,
                                GetParam().trashItems}));
    // Neither the folder list nor a page shows the trash.
    for (int row = 1; row <= rig.state.openClass.FolderTable.count(); ++row)
        EXPECT_NE(rig.state.openClass.FolderTable[row][ColDirectory], TrashFolderName);
    for (int n = 1; n <= rig.state.folder.PhotoCount; ++n)
        EXPECT_FALSE(rig.state.folder.PhotoPaths[n].contains(TrashFolderName));
}

INSTANTIATE_TEST_SUITE_P(Trash, TrashTable, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
