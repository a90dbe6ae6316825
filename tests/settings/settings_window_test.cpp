#include "platform/cp932_text.h"
#include "settings/form5.h"
#include "settings/settings_commands.h"
#include "settings/settings_file.h"
#include "settings/settings_form_values.h"
#include "support/test_rig.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SettingsWindow : public ::testing::Test {
protected:
    SettingsWindow() : programFolder(rig.root.filePath(QStringLiteral("program"))) {
        QDir().mkpath(programFolder);
        connectSettingsCommands(rig.program, programFolder, [this] { ++ended; });
    }

    // Opens the window and works it with script; then clicks "環境を保存する"
    // when save is set.
    void open(const std::function<void(Form5&)>& script, bool save = true) {
        rig.modals.script = [script, save](QDialog& dialog) {
            auto& window = static_cast<Form5&>(dialog);
            script(window);
            if (save)
                QTest::mouseClick(window.Command2, Qt::LeftButton);
        };
        rig.form->mnu_conv->trigger();
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

TEST_F(SettingsWindow, OffersEveryChoiceAndStartsFromTheFixedTexts) {
    open(
        [](Form5& window) {
            EXPECT_EQ(window.windowTitle(), QStringLiteral("環境設定"));
            EXPECT_EQ(window.size(), QSize(465, 199));
            EXPECT_EQ(window.Text1->text(), QStringLiteral("A:"));
            EXPECT_EQ(window.Combo3->currentText(), QStringLiteral("学校利用"));
            EXPECT_EQ(window.Combo4->currentText(), QStringLiteral("利用しない"));
            for (QComboBox* empty : {window.Combo1, window.Combo2, window.Combo5})
                EXPECT_TRUE(empty->currentText().isEmpty());
            EXPECT_EQ(window.Combo2->count(), 24);
            EXPECT_EQ(window.Combo2->itemText(0), QStringLiteral("C:\\A_image\\"));
            EXPECT_EQ(window.Combo2->itemText(23), QStringLiteral("Z:\\A_image\\"));
            EXPECT_EQ(window.Combo5->count(), 24);
            EXPECT_EQ(window.Combo5->itemText(1), QStringLiteral("D:\\Adb_image\\"));
            EXPECT_EQ(window.Combo1->count(), 11);
            EXPECT_EQ(window.Combo1->itemText(0), QString());
            EXPECT_EQ(window.Combo1->itemText(10), QStringLiteral("2010"));
            EXPECT_EQ(window.Combo3->count(), 2);
            EXPECT_EQ(window.Combo4->count(), 12);
            EXPECT_EQ(window.Combo4->itemText(1), QStringLiteral("先生機"));
            EXPECT_EQ(window.Combo4->itemText(11), QStringLiteral("10"));
            EXPECT_TRUE(window.Combo4->isEditable());
            EXPECT_FALSE(window.Combo2->isEditable());
            EXPECT_EQ(window.Command2->geometry(), QRect(4, 4, 185, 33));
            EXPECT_EQ(window.Combo5->geometry(), QRect(280, 168, 181, 29));
        },
        false);
}

TEST_F(SettingsWindow, SavingAtOnceWritesTheStartingValuesAndEnds) {
    open([](Form5&) {});
    EXPECT_EQ(settingsBytes(), QByteArray("A:\\\r\n\r\n\r\n") +
                                   encodeCp932(QStringLiteral("学校利用")) +
                                   QByteArray("\r\n 0 \r\n\r\n"));
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("「しゃしんばこ」を終了します。")});
    EXPECT_EQ(ended, 1);
}

TEST_F(SettingsWindow, ChoicesReadBackThroughTheSettingsReader) {
    open([](Form5& window) {
        window.Text1->setText(QStringLiteral("D:"));
        window.Combo2->setCurrentIndex(1);
        window.Combo1->setCurrentIndex(2);
        window.Combo3->setCurrentIndex(1);
        window.Combo4->setCurrentIndex(1);
        window.Combo5->setCurrentIndex(0);
    });
    const SettingsRead read = readSettingsFile(settingsPath());
    EXPECT_EQ(read.floppyDrive, QStringLiteral("D:\\"));
    EXPECT_EQ(read.saveBase, QStringLiteral("D:\\A_image\\"));
    EXPECT_EQ(read.saveSubFolder, QStringLiteral("2002"));
    EXPECT_EQ(read.usageMode, QStringLiteral("個人利用"));
    EXPECT_EQ(read.pcNumber, 999);
    EXPECT_EQ(read.databaseRoot, QStringLiteral("C:\\Adb_image\\"));
}

TEST_F(SettingsWindow, TheFolderButtonStoresADrivePathAndACancelEmptiesTheBox) {
    const QString photos = rig.host(QStringLiteral("E:\\photos"));
    QDir().mkpath(photos);
    rig.dialogs.nextFolder = photos;
    open(
        [](Form5& window) {
            QTest::mouseClick(window.Command1, Qt::LeftButton);
            EXPECT_EQ(window.Text1->text(), QStringLiteral("E:\\photos"));
        },
        false);
    rig.dialogs.nextFolder = rig.host(QStringLiteral("E:\\"));
    open(
        [](Form5& window) {
            QTest::mouseClick(window.Command1, Qt::LeftButton);
            EXPECT_EQ(window.Text1->text(), QStringLiteral("E:\\"));
        },
        false);
    EXPECT_EQ(rig.dialogs.folderStart, photos); // the picker starts at the current value
    rig.dialogs.nextFolder.reset();
    open([](Form5& window) { QTest::mouseClick(window.Command1, Qt::LeftButton); });
    EXPECT_EQ(rig.dialogs.foldersOpened, 3);
    EXPECT_EQ(readSettingsFile(settingsPath()).floppyDrive, QStringLiteral("\\"));
}

TEST_F(SettingsWindow, CancelKeepsWhatWasLeftForTheNextOpening) {
    open(
        [](Form5& window) {
            window.Text1->setText(QStringLiteral("F:\\"));
            window.Combo4->setEditText(QStringLiteral("7"));
            QTest::mouseClick(window.Command3, Qt::LeftButton);
            EXPECT_FALSE(window.isVisible());
        },
        false);
    EXPECT_FALSE(QFile::exists(settingsPath()));
    open(
        [](Form5& window) {
            EXPECT_EQ(window.Text1->text(), QStringLiteral("F:\\"));
            EXPECT_EQ(window.Combo4->currentText(), QStringLiteral("7"));
        },
        false);
    EXPECT_EQ(ended, 0);
}

TEST_F(SettingsWindow, ANodeNumberOutOfRangeIsRefusedAndNothingWritten) {
    open([](Form5& window) { window.Combo4->setEditText(QStringLiteral("40000")); });
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("ノード番号がただしくありません。")});
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_EQ(ended, 0);
}

// The write-protect mark is the owner's write bit, so this holds for root too.
TEST_F(SettingsWindow, AFileThatCannotBeWrittenKeepsTheOldOneAndTheProgramRuns) {
    QFile old(settingsPath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    ASSERT_TRUE(
        QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    open([](Form5&) {});
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
    ::testing::Values(NodeCase{u"先生機", 999}, NodeCase{u"利用しない", 0}, NodeCase{u"abc", 0},
                      NodeCase{u"", 0}, NodeCase{u"7", 7}, NodeCase{u"3", 3},
                      NodeCase{u" 12番", 12}, NodeCase{u"2.5", 2}, NodeCase{u"3.5", 4},
                      NodeCase{u"-1", -1}, NodeCase{u"32767", 32767}, NodeCase{u"-32768", -32768},
                      NodeCase{u"32768", std::nullopt}, NodeCase{u"-32769", std::nullopt},
                      NodeCase{u"99999999999999999999", std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SettingsFromTexts, AddsTheBackslashOnlyWhenMissing) {
    SettingsTexts texts;
    for (const auto& [typed, stored] :
         {std::pair{u"D:", u"D:\\"}, {u"D:\\", u"D:\\"}, {u"", u"\\"}}) {
        texts.photoDrive = QString::fromUtf16(typed);
        EXPECT_EQ(settingsFromTexts(texts)->floppyDrive, QString::fromUtf16(stored));
    }
}

} // namespace
