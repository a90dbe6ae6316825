// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/secondary_windows.h"
#include "core/files/cp932_text.h"
#include "core/library/settings_file.h"
#include "core/library/settings_form_values.h"
#include "support/test_rig.h"
#include "ui/settings_window/settings_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindowTest() : programFolder(rig.root.filePath(QStringLiteral("program"))) {
        QDir().mkpath(programFolder);
        rig.state.settings.PhotoDrivePath = QStringLiteral("A:\\");
        rig.state.settings.SaveRootSetting = QStringLiteral("C:\\A_IMAGE\\");
        new SecondaryWindows(rig.program, *rig.form, programFolder, [this] { ++ended; });
    }

    // Opens the window and works it with script; then clicks "環境を保存する"
    // when save is set.
    void open(const std::function<void(SettingsWindow&)>& script, bool save = true) {
        rig.modals.script = [script, save](QDialog& dialog) {
            auto& window = static_cast<SettingsWindow&>(dialog);
            script(window);
            if (save)
                QTest::mouseClick(window.saveButton, Qt::LeftButton);
        };
        rig.form->settingsAction->trigger();
    }
    QString settingsPath() const { return programFolder + QStringLiteral("/DRVDATA.TXT"); }
    QByteArray settingsBytes() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    FormRig rig;
    QString programFolder;
    int ended = 0;
};

TEST_F(SettingsWindowTest, OffersEveryChoiceAndStartsFromTheSettingsInForce) {
    open(
        [](SettingsWindow& window) {
            EXPECT_EQ(window.windowTitle(), QStringLiteral("環境設定"));
            EXPECT_EQ(window.size(), QSize(465, 199));
            EXPECT_EQ(window.photoDriveEdit->text(), QStringLiteral("A:\\"));
            EXPECT_EQ(window.usageModeCombo->currentText(), QStringLiteral("学校利用"));
            EXPECT_EQ(window.nodeNumberCombo->currentText(), QStringLiteral("利用しない"));
            EXPECT_EQ(window.saveDriveCombo->currentText(), QStringLiteral("C:\\A_IMAGE\\"));
            for (QComboBox* empty : {window.schoolYearCombo, window.databaseFolderCombo})
                EXPECT_TRUE(empty->currentText().isEmpty());
            // One entry a folder: the setting's spelling stands for "C:\A_image\".
            EXPECT_EQ(window.saveDriveCombo->count(), 24);
            EXPECT_EQ(window.saveDriveCombo->itemText(0), QStringLiteral("C:\\A_IMAGE\\"));
            EXPECT_EQ(window.saveDriveCombo->itemText(1), QStringLiteral("D:\\A_image\\"));
            EXPECT_EQ(window.saveDriveCombo->itemText(23), QStringLiteral("Z:\\A_image\\"));
            EXPECT_EQ(window.databaseFolderCombo->count(), 24);
            EXPECT_EQ(window.databaseFolderCombo->itemText(1), QStringLiteral("D:\\Adb_image\\"));
            EXPECT_EQ(window.schoolYearCombo->count(), 4); // up to the year after 2002
            EXPECT_EQ(window.schoolYearCombo->itemText(0), QString());
            EXPECT_EQ(window.schoolYearCombo->itemText(3), QStringLiteral("2003"));
            EXPECT_EQ(window.usageModeCombo->count(), 2);
            EXPECT_EQ(window.nodeNumberCombo->count(), 12);
            EXPECT_EQ(window.nodeNumberCombo->itemText(1), QStringLiteral("先生機"));
            EXPECT_EQ(window.nodeNumberCombo->itemText(11), QStringLiteral("10"));
            EXPECT_TRUE(window.nodeNumberCombo->isEditable());
            EXPECT_FALSE(window.saveDriveCombo->isEditable());
            EXPECT_EQ(window.saveButton->geometry(), QRect(4, 4, 185, 33));
            EXPECT_EQ(window.databaseFolderCombo->geometry(), QRect(280, 168, 181, 29));
        },
        false);
}

TEST_F(SettingsWindowTest, SavingAtOnceWritesTheStartingValuesAndEnds) {
    open([](SettingsWindow&) {});
    EXPECT_EQ(settingsBytes(), QByteArray("A:\\\r\nC:\\A_IMAGE\\\r\n\r\n") +
                                   encodeCp932(QStringLiteral("学校利用")) +
                                   QByteArray("\r\n 0 \r\n\r\n"));
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("「しゃしんばこ」を終了します。")});
    EXPECT_EQ(ended, 1);
}

TEST_F(SettingsWindowTest, ChoicesReadBackThroughTheSettingsReader) {
    rig.messages.answers = {true}; // D: is this computer's own
    open([](SettingsWindow& window) {
        window.photoDriveEdit->setText(QStringLiteral("D:"));
        window.saveDriveCombo->setCurrentIndex(1);
        window.schoolYearCombo->setCurrentIndex(2);
        window.usageModeCombo->setCurrentIndex(1);
        window.nodeNumberCombo->setCurrentIndex(1);
        window.databaseFolderCombo->setCurrentIndex(0);
    });
    const SettingsRead read = readSettingsFile(settingsPath());
    EXPECT_EQ(read.photoDrive, QStringLiteral("D:\\"));
    EXPECT_EQ(read.saveBase, QStringLiteral("D:\\A_image\\"));
    EXPECT_EQ(read.saveSubFolder, QStringLiteral("2002"));
    EXPECT_EQ(read.usageMode, QStringLiteral("個人利用"));
    EXPECT_EQ(read.pcNumber, 999);
    EXPECT_EQ(read.databaseRoot, QStringLiteral("C:\\Adb_image\\"));
}

TEST_F(SettingsWindowTest, TheFolderButtonStoresADrivePathAndACancelEmptiesTheBox) {
    const QString photos = rig.host(QStringLiteral("E:\\photos"));
    QDir().mkpath(photos);
    rig.dialogs.nextFolder = photos;
    open(
        [](SettingsWindow& window) {
            QTest::mouseClick(window.browseButton, Qt::LeftButton);
            EXPECT_EQ(window.photoDriveEdit->text(), QStringLiteral("E:\\photos"));
        },
        false);
    rig.dialogs.nextFolder = rig.host(QStringLiteral("E:\\"));
    open(
        [](SettingsWindow& window) {
            QTest::mouseClick(window.browseButton, Qt::LeftButton);
            EXPECT_EQ(window.photoDriveEdit->text(), QStringLiteral("E:\\"));
        },
        false);
    EXPECT_EQ(rig.dialogs.folderStart, photos); // the picker starts at the current value
    rig.dialogs.nextFolder.reset();
    open([](SettingsWindow& window) { QTest::mouseClick(window.browseButton, Qt::LeftButton); });
    EXPECT_EQ(rig.dialogs.foldersOpened, 3);
    EXPECT_EQ(rig.messages.shown.last(),
              QStringLiteral("「写真ドライブ」は「D:\\」のように ドライブから かいてください。"));
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

TEST_F(SettingsWindowTest, CancelKeepsWhatWasLeftForTheNextOpening) {
    open(
        [](SettingsWindow& window) {
            window.photoDriveEdit->setText(QStringLiteral("F:\\"));
            window.nodeNumberCombo->setEditText(QStringLiteral("7"));
            QTest::mouseClick(window.cancelButton, Qt::LeftButton);
            EXPECT_FALSE(window.isVisible());
        },
        false);
    EXPECT_FALSE(QFile::exists(settingsPath()));
    open(
        [](SettingsWindow& window) {
            EXPECT_EQ(window.photoDriveEdit->text(), QStringLiteral("F:\\"));
            EXPECT_EQ(window.nodeNumberCombo->currentText(), QStringLiteral("7"));
        },
        false);
    EXPECT_EQ(ended, 0);
}

TEST_F(SettingsWindowTest, ANodeNumberOutOfRangeIsRefusedAndNothingWritten) {
    open([](SettingsWindow& window) {
        window.nodeNumberCombo->setEditText(QStringLiteral("1000"));
    });
    EXPECT_EQ(
        rig.messages.shown,
        QStringList{QStringLiteral("「ノード番号」は 0から 999までの すうじで かいてください。")});
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_EQ(ended, 0);
}

// The write-protect mark is the owner's write bit, so this holds for root too.
TEST_F(SettingsWindowTest, AFileThatCannotBeWrittenKeepsTheOldOneAndTheProgramRuns) {
    QFile old(settingsPath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    ASSERT_TRUE(
        QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    open([](SettingsWindow&) {});
    QFile::setPermissions(programFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("環境を保存できませんでした。")});
    EXPECT_EQ(settingsBytes(), QByteArray("old\r\n"));
    EXPECT_EQ(ended, 0);
}

struct NodeCase {
    const char16_t* text;
    std::optional<int> number;
};

class NodeNumbers : public ::testing::TestWithParam<NodeCase> {};

TEST_P(NodeNumbers, AreWorkedOutFromTheText) {
    EXPECT_EQ(nodeNumberOf(QString::fromUtf16(GetParam().text)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NodeNumbers,
    ::testing::Values(NodeCase{u"先生機", 999}, NodeCase{u"利用しない", 0}, NodeCase{u"7", 7},
                      NodeCase{u"３", 3}, NodeCase{u"０", 0}, NodeCase{u" 12 ", 12},
                      NodeCase{u"999", 999}, NodeCase{u"abc", std::nullopt},
                      NodeCase{u"", std::nullopt}, NodeCase{u" 12番", std::nullopt},
                      NodeCase{u"2.5", std::nullopt}, NodeCase{u"1e3", std::nullopt},
                      NodeCase{u"-5", std::nullopt}, NodeCase{u"1000", std::nullopt},
                      NodeCase{u"99999", std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SettingsFromTexts, AddsTheBackslashOnlyWhenMissing) {
    SettingsTexts texts;
    texts.nodeNumber = QStringLiteral("利用しない");
    for (const auto& [typed, stored] :
         {std::pair{u"D:", u"D:\\"}, {u"D:\\", u"D:\\"}, {u"", u"\\"}}) {
        texts.photoDrive = QString::fromUtf16(typed);
        EXPECT_EQ(settingsFromTexts(texts)->photoDrive, QString::fromUtf16(stored));
    }
}

} // namespace
