// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/trash_commands.h"
#include "core/library/class_trash.h"
#include "core/library/locked_index.h"
#include "fault_injection/fault_sweep.h"
#include "support/window_controls.h"
#include "ui/main_window/main_window.h"
#include "ui/settings_window/settings_window.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void answerYes(SweepRig& rig) {
    rig.messages.answers = {true};
}

const CommandCase Import{.name = "import", .run = [](SweepRig& rig) {
                             answerYes(rig);
                             rig.runFolderNameWindow(
                                 [&rig] { control<QAction>(*rig.form, "importAction")->trigger(); },
                                 QStringLiteral("d"));
                         }};
// The same under the shared database's lock.
const CommandCase ImportIntoDatabase{
    .name = "import_into_database",
    .run =
        [](SweepRig& rig) {
            control<QAction>(*rig.form, "switchToDatabaseAction")->trigger();
            Import.run(rig);
        },
    .reach = {.database = true}};
const CommandCase MakeFolder{
    .name = "make_folder", .run = [](SweepRig& rig) {
        rig.runFolderNameWindow(
            [&rig] { control<QAction>(*rig.form, "makeFolderAction")->trigger(); },
            QStringLiteral("d"));
    }};
const CommandCase Rename{
    .name = "rename", .run = [](SweepRig& rig) {
        rig.runFolderNameWindow(
            [&rig] { control<QPushButton>(*rig.form, "renameFolderButton")->click(); },
            QStringLiteral("z"));
    }};
// Nothing a delete takes may be lost: it goes to the trash.
const CommandCase DeleteFolder{.name = "delete_folder", .run = [](SweepRig& rig) {
                                   answerYes(rig);
                                   control<QPushButton>(*rig.form, "deleteFolderButton")->click();
                               }};
const CommandCase DeletePhotos{.name = "delete_photos", .run = [](SweepRig& rig) {
                                   rig.markPhotos(1, 2);
                                   answerYes(rig);
                                   control<QAction>(*rig.form, "deleteAction")->trigger();
                               }};
// The teacher marks every item; read past the file system, whose faults are
// for the command alone.
void restoreAll(SweepRig& rig) {
    restoreTrashItems(rig.program, QDir(rig.host(trashFolderOf(rig.classFolder)))
                                       .entryList(QDir::Dirs | QDir::NoDotAndDotDot));
}
const CommandCase RestorePhotos{.name = "restore_photos",
                                .run = restoreAll,
                                .setup = [](SweepRig& rig) { DeletePhotos.run(rig); }};
const CommandCase RestoreFolder{.name = "restore_folder",
                                .run = restoreAll,
                                .setup = [](SweepRig& rig) { DeleteFolder.run(rig); }};
const CommandCase CopyPhotos{.name = "copy_photos", .run = [](SweepRig& rig) {
                                 rig.markPhotos(1, 2);
                                 control<QAction>(*rig.form, "copyAction")->trigger();
                                 rig.clickFolderRow(2);
                             }};
const CommandCase SaveToPhotoDrive{
    .name = "save_to_photo_drive",
    .run =
        [](SweepRig& rig) {
            rig.markPhotos(1, 2);
            answerYes(rig);
            control<QAction>(*rig.form, "saveToDriveAction")->trigger();
        },
    .reach = {.photoDrive = true}};
const CommandCase SaveToDatabase{
    .name = "save_to_database",
    .run =
        [](SweepRig& rig) {
            answerYes(rig);
            QTest::mouseClick(control<QPushButton>(*rig.form, "saveToDatabaseButton"),
                              Qt::LeftButton);
        },
    .reach = {.database = true}};
const CommandCase SaveSettings{.name = "save_settings",
                               .run =
                                   [](SweepRig& rig) {
                                       rig.modals.script = [](QDialog& dialog) {
                                           control<QPushButton>(dialog, "saveButton")->click();
                                       };
                                       control<QAction>(*rig.form, "settingsAction")->trigger();
                                   },
                               .reach = {.settings = true}};

std::string nameOf(const ::testing::TestParamInfo<CommandCase>& info) {
    return info.param.name;
}

class EveryFault : public ::testing::TestWithParam<CommandCase> {};

TEST_P(EveryFault, KeepsTheIndexWholeThePhotosSafeAndTellsTheUser) {
    const int faultPoints = sweepFaults(GetParam());
    RecordProperty("fault_points", faultPoints);
    EXPECT_GT(faultPoints, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, EveryFault,
                         ::testing::Values(Import, MakeFolder, Rename, DeleteFolder, DeletePhotos,
                                           RestorePhotos, RestoreFolder, CopyPhotos,
                                           SaveToPhotoDrive, SaveToDatabase, SaveSettings,
                                           ImportIntoDatabase),
                         nameOf);

class EveryCrash : public ::testing::TestWithParam<CommandCase> {};

TEST_P(EveryCrash, LeavesEachPhotoInExactlyOnePlace) {
    EXPECT_GT(sweepCrashes(GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(TrashMoves, EveryCrash,
                         ::testing::Values(DeleteFolder, DeletePhotos, RestorePhotos,
                                           RestoreFolder),
                         nameOf);

class FailedIndexWrite : public ::testing::TestWithParam<CommandCase> {};

TEST_P(FailedIndexWrite, IsToldAndLeavesTheOldIndexWhole) {
    // No index can be written, so the reload's count correction fails too.
    const RunRecord run = runCommand(GetParam(), 1, FileOperation::Commit, true);
    ASSERT_EQ(run.fault, FileOperation::Commit);
    EXPECT_TRUE(run.messages.contains(IndexNotWrittenMessage))
        << run.messages.join(u'/').toStdString();
    const QString index = run.indexFolders[0] + QStringLiteral("/IMGMAIN.TXT");
    EXPECT_EQ(run.after.at(index), run.before.at(index));
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, FailedIndexWrite,
                         ::testing::Values(Import, MakeFolder, Rename, DeleteFolder, DeletePhotos,
                                           CopyPhotos),
                         nameOf);

} // namespace
