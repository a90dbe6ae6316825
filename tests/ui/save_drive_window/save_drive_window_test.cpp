// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/secondary_windows.h"
#include "core/commands/settings_commands.h"
#include "support/test_rig.h"
#include "ui/save_drive_window/save_drive_window.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SaveDriveWindowTest : public ::testing::Test {
protected:
    SaveDriveWindowTest() : programFolder(rig.root.filePath(QStringLiteral("program"))) {
        QDir().mkpath(programFolder);
        new SecondaryWindows(rig.program, *rig.form, programFolder,
                             [] { FAIL() << "program ended"; });
        rig.state.settings.SaveBase = QStringLiteral("C:\\A_image\\");
        rig.state.settings.SaveSubFolder = QStringLiteral("2001");
        rig.state.settings.SaveRoot = QStringLiteral("C:\\A_image\\2001\\");
        rig.state.openClass.ClassFolder = rig.state.settings.SaveRoot;
    }

    // Opens the window from the class panel and clicks drive button index;
    // returns what the window showed as the drive in use.
    QString choose(int index) {
        QString shown;
        rig.modals.script = [&shown, index](QDialog& dialog) {
            auto& window = static_cast<SaveDriveWindow&>(dialog);
            shown = window.currentDriveEdit->text();
            QTest::mouseClick(window.driveButtons[index], Qt::LeftButton);
            EXPECT_FALSE(window.isVisible());
        };
        QTest::mouseClick(rig.form->saveDriveButton, Qt::LeftButton);
        return shown;
    }

    FormRig rig;
    QString programFolder;
};

// The save root is built from the chosen folder and the year, and made, as
// start-up makes it; the settings file is not written.
TEST_F(SaveDriveWindowTest, ChoosingDMakesItsSaveRootWithTheYearAndWritesNothing) {
    EXPECT_EQ(choose(2), QStringLiteral("C:"));
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("D:\\A_IMAGE\\2001\\"));
    EXPECT_EQ(rig.state.settings.SaveBase, QStringLiteral("D:\\A_IMAGE\\"));
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.state.settings.SaveRoot);
    EXPECT_EQ(rig.state.settings.SaveSubFolder, QStringLiteral("2001"));
    EXPECT_EQ(rig.form->saveDriveButton->text(), QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(D:)"));
    EXPECT_TRUE(rig.files.isDirectory(QStringLiteral("D:\\A_IMAGE\\2001")));
    EXPECT_TRUE(QDir(programFolder).isEmpty());

    // The next opening shows the drive chosen.
    EXPECT_EQ(choose(0), QStringLiteral("D:"));
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("A:\\2001\\"));
    EXPECT_EQ(rig.form->saveDriveButton->text(), QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(A:)"));
    EXPECT_EQ(rig.modals.opened, 2);
}

TEST_F(SaveDriveWindowTest, HasTheEightDriveButtonsInARow) {
    rig.modals.script = [](QDialog& dialog) {
        auto& window = static_cast<SaveDriveWindow&>(dialog);
        EXPECT_EQ(window.size(), QSize(358, 201));
        const QStringList captions = {
            QStringLiteral("Ａ"), QStringLiteral("Ｃ"), QStringLiteral("Ｄ"), QStringLiteral("Ｅ"),
            QStringLiteral("Ｆ"), QStringLiteral("Ｇ"), QStringLiteral("Ｈ"), QStringLiteral("I")};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(window.driveButtons[i]->text(), captions[i]);
            EXPECT_EQ(window.driveButtons[i]->geometry(), QRect(4 + 44 * i, 152, 41, 41));
        }
    };
    QTest::mouseClick(rig.form->saveDriveButton, Qt::LeftButton);
    for (int i = 1; i < 8; ++i) {
        EXPECT_EQ(saveRootOfDriveButton(i),
                  QString(QChar(u"ACDEFGHI"[i])) + QStringLiteral(":\\A_IMAGE\\"));
    }
}

} // namespace
