// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_wiring.h"
#include "app/startup.h"
#include "core/files/cp932_text.h"
#include "core/library/library_paths.h"
#include "support/cp932_files.h"
#include "support/test_data.h"
#include "support_library/library_fixture.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/save_drive_window/save_drive_window.h"
#include "ui/settings_window/settings_window.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The whole program on a fresh machine: settings file, start-up and every
// command wired, as the application does it.
struct WholeProgram : ::testing::Test {
    LibraryRig rig{1024};
    QTemporaryDir programFolder;
    int ended = 0;

    void start(const QStringList& settings) {
        ASSERT_TRUE(
            writeCp932Lines(programFolder.filePath(QStringLiteral("DRVDATA.TXT")), settings));
        startUp(rig.program, *rig.form, programFolder.path());
        connectMainWindow(rig.program, *rig.form, programFolder.path(), [this] { ++ended; });
    }
    // ２年３組 is the eighth class button.
    void chooseClass23() {
        rig.messages.answers.push_back(true);
        QTest::mouseClick(rig.form->classButtons[7], Qt::LeftButton);
        ASSERT_EQ(rig.state.openClass.ClassName, QStringLiteral("２年３組"));
    }
    // Opens the settings window, lets change work it and saves.
    void saveSettings(const std::function<void(SettingsWindow&)>& change) {
        rig.modals.script = [change](QDialog& dialog) {
            change(static_cast<SettingsWindow&>(dialog));
            QTest::mouseClick(static_cast<SettingsWindow&>(dialog).saveButton, Qt::LeftButton);
        };
        rig.form->settingsAction->trigger();
    }
    QByteArray settingsBytes() const {
        QFile file(programFolder.filePath(QStringLiteral("DRVDATA.TXT")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

const QStringList TeacherSettings = {QStringLiteral("A:\\"),  QStringLiteral("C:\\A_IMAGE\\"),
                                     QStringLiteral("2001"),  QStringLiteral("学校利用"),
                                     QStringLiteral(" 999 "), QStringLiteral("C:\\Adb_image\\")};

TEST_F(WholeProgram, RealPhotosSavedFromAClassAppearInTheDatabaseWithClassAndTag) {
    REQUIRE_SHARED_TESTDATA();
    const QString classFolder = QStringLiteral("C:\\A_IMAGE\\2001\\CLASS_23");
    const QString folder = joinPath(classFolder, QStringLiteral("IMG_0001_えんそく"));
    rig.files.makeDirectory(QStringLiteral("C:\\A_IMAGE"));
    rig.files.makeDirectory(QStringLiteral("C:\\A_IMAGE\\2001"));
    rig.files.makeDirectory(classFolder);
    rig.files.makeDirectory(folder);
    const QStringList photos = {QStringLiteral("Canon.jpg"), QStringLiteral("Casio.jpg"),
                                QStringLiteral("FujiFilm.jpg")};
    for (const QString& photo : photos)
        ASSERT_TRUE(QFile::copy(sharedTestData(QStringLiteral("jpeg/real/") + photo),
                                rig.host(joinPath(folder, photo))));
    writeCp932Lines(rig.host(indexPathOf(classFolder)),
                    {QStringLiteral("えんそく,IMG_0001_えんそく,2002/06/01 3,")});
    start(TeacherSettings);
    chooseClass23();
    ASSERT_EQ(rig.state.folder.PhotoCount, 3);

    rig.messages.answers = {true};
    QTest::mouseClick(rig.form->saveToDatabaseButton, Qt::LeftButton);
    EXPECT_EQ(rig.messages.shown.last(), QStringLiteral("保存しました"));

    rig.form->switchToDatabaseAction->trigger();
    EXPECT_EQ(rig.form->classHeading->text(), QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽ"));
    ASSERT_EQ(rig.state.openClass.FolderTable.count(), 1);
    EXPECT_EQ(rig.state.openClass.FolderTable[1][ColRemark], QStringLiteral("２年３組 先生"));
    EXPECT_EQ(rig.state.openClass.FolderTable[1][ColDirectory],
              QStringLiteral("IMG_0001_えんそく"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 3);
    for (const QString& photo : photos) {
        QFile original(sharedTestData(QStringLiteral("jpeg/real/") + photo));
        QFile saved(rig.host(joinPath(rig.state.folder.PhotoFolder, photo)));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), original.readAll()) << photo.toStdString();
    }
}

TEST_F(WholeProgram, SettingsSavedInTheWindowTakeEffectAtTheNextStart) {
    start(TeacherSettings);
    rig.messages.answers = {true}; // D: is this computer's own
    rig.modals.script = [](QDialog& dialog) {
        auto& window = static_cast<SettingsWindow&>(dialog);
        window.saveDriveCombo->setCurrentText(QStringLiteral("D:\\A_image\\"));
        window.usageModeCombo->setCurrentText(QStringLiteral("個人利用"));
        window.nodeNumberCombo->setEditText(QStringLiteral("4"));
        window.databaseFolderCombo->setCurrentText(QStringLiteral("D:\\Adb_image\\"));
        window.schoolYearCombo->setCurrentIndex(0); // no school year
        QTest::mouseClick(window.saveButton, Qt::LeftButton);
    };
    rig.form->settingsAction->trigger();
    ASSERT_EQ(ended, 1);

    QFile written(programFolder.filePath(QStringLiteral("DRVDATA.TXT")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("A:\\\r\nD:\\A_image\\\r\n\r\n") +
                                     encodeCp932(QStringLiteral("個人利用")) +
                                     QByteArray("\r\n 4 \r\nD:\\Adb_image\\\r\n"));

    LibraryRig next{1024};
    startUp(next.program, *next.form, programFolder.path());
    EXPECT_EQ(next.state.settings.UsageMode, QStringLiteral("個人利用"));
    EXPECT_EQ(next.state.openClass.ClassFolder, QStringLiteral("D:\\A_image\\"));
    EXPECT_EQ(next.state.settings.PcNumber, 4);
    EXPECT_EQ(next.state.settings.DatabaseRoot, QStringLiteral("D:\\Adb_image\\"));
    EXPECT_TRUE(next.form->classPanel->isHidden());
}

// Settings D:\A_image\ and 2001; Ｃ chosen in the save-drive window.
TEST_F(WholeProgram, TheChosenDriveKeepsItsClassThroughTheDatabaseAndImportsThere) {
    QStringList settings = TeacherSettings;
    settings[1] = QStringLiteral("D:\\A_image\\");
    start(settings);
    rig.modals.script = [](QDialog& dialog) {
        QTest::mouseClick(static_cast<SaveDriveWindow&>(dialog).driveButtons[1], Qt::LeftButton);
    };
    QTest::mouseClick(rig.form->saveDriveButton, Qt::LeftButton);
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("C:\\A_IMAGE\\2001\\"));
    EXPECT_TRUE(rig.files.isDirectory(rig.state.settings.SaveRoot));
    chooseClass23();
    const QString classFolder = rig.state.openClass.ClassFolder;

    rig.form->switchToDatabaseAction->trigger();
    rig.form->switchToDatabaseAction->trigger();
    EXPECT_EQ(rig.state.openClass.ClassFolder.chopped(1), classFolder);
    EXPECT_TRUE(rig.files.isDirectory(QStringLiteral("C:\\A_IMAGE\\2001\\CLASS_23")));
    EXPECT_EQ(rig.form->classHeading->text(), QStringLiteral("２年３組"));
    // Making a folder there writes its index: the class was never left empty.
    rig.modals.script = [](QDialog& dialog) {
        auto& window = static_cast<FolderNameWindow&>(dialog);
        window.nameEdit->setText(QStringLiteral("えんそく"));
        window.runButton->click();
    };
    rig.messages.shown.clear();
    rig.form->makeFolderAction->trigger();
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 1);
    EXPECT_TRUE(rig.messages.shown.isEmpty()) << rig.messages.shown.join(u' ').toStdString();
    EXPECT_TRUE(rig.files.exists(QStringLiteral("C:\\A_IMAGE\\2001\\CLASS_23\\IMGMAIN.TXT")));
}

TEST_F(WholeProgram, ChangingTheNodeNumberAloneKeepsTheOtherLinesAsReadAtStartUp) {
    start(TeacherSettings);
    rig.modals.script = [](QDialog& dialog) {
        QTest::mouseClick(static_cast<SaveDriveWindow&>(dialog).driveButtons[2], Qt::LeftButton);
    };
    QTest::mouseClick(rig.form->saveDriveButton, Qt::LeftButton);
    saveSettings(
        [](SettingsWindow& window) { window.nodeNumberCombo->setEditText(QStringLiteral("5")); });
    QStringList expected = TeacherSettings;
    expected[4] = QStringLiteral(" 5 ");
    EXPECT_EQ(settingsBytes(), encodeCp932Lines(expected));
}

// The node number is typed "３" each time.
struct RefusalCase {
    const char* name;
    const char16_t* pickedFolder; // a drive path, "" for a folder on no drive
    const char16_t* message;
    bool saved;
};

class SettingsWindowValues : public WholeProgram,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SettingsWindowValues, ThatCannotWorkAreRefusedWithAMessageAndNothingWritten) {
    const RefusalCase& c = GetParam();
    start(TeacherSettings);
    rig.dialogs.nextFolder = rig.host(QString::fromUtf16(c.pickedFolder));
    QDir().mkpath(*rig.dialogs.nextFolder);
    if (!*c.pickedFolder) {
        DriveMap drives = rig.files.drives();
        drives.setDrive(u'Z', rig.root.filePath(QStringLiteral("z")));
        rig.files = FileSystem(drives);
        rig.dialogs.nextFolder = QStringLiteral("/");
    }
    saveSettings([](SettingsWindow& window) {
        QTest::mouseClick(window.browseButton, Qt::LeftButton);
        window.nodeNumberCombo->setEditText(QStringLiteral("３"));
    });
    EXPECT_EQ(rig.messages.shown.value(0), QString::fromUtf16(c.message));
    QStringList expected = TeacherSettings;
    expected[4] = c.saved ? QStringLiteral(" 3 ") : expected[4];
    EXPECT_EQ(settingsBytes(), encodeCp932Lines(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Window, SettingsWindowValues,
    ::testing::Values(
        RefusalCase{"FolderOnNoDrive", u"",
                    u"「写真ドライブ」に えらんだ フォルダは どの ドライブにも ありません。", true},
        RefusalCase{"Emoji", u"E:\\写真📷", u"「写真ドライブ」に つかえない もじが あります。",
                    false},
        RefusalCase{"WaveDash", u"E:\\a〜b", u"「写真ドライブ」に つかえない もじが あります。",
                    false},
        RefusalCase{"FullWidthNode", u"A:\\", u"「しゃしんばこ」を終了します。", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WholeProgram, ADatabaseFolderRemovedAfterStartUpIsToldAtOnce) {
    start(TeacherSettings);
    ASSERT_TRUE(QDir(rig.host(QStringLiteral("C:\\Adb_image"))).removeRecursively());
    const QDeadlineTimer oneSecond(1000);
    rig.form->saveToDatabaseButton->click();
    EXPECT_FALSE(oneSecond.hasExpired());
    rig.form->switchToDatabaseAction->trigger();
    EXPECT_EQ(rig.messages.shown,
              QStringList(2, QStringLiteral("データベースのフォルダがみつかりません。")));
    EXPECT_FALSE(QFileInfo::exists(rig.host(QStringLiteral("C:\\Adb_image"))));
}

} // namespace
