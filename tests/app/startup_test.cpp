// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "support/test_rig.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct StartUpTest : ::testing::Test {
    TestRig rig{1280};
    MainWindow form{rig.state, rig.services};
    MainWindowView view{rig.state, rig.services, form};
    AppContext program{rig.state, rig.services, view};
};

TEST_F(StartUpTest, LoadsTheWindowForTheScreen) {
    ASSERT_FALSE(form.isLoaded());
    startUp(program, form, rig.root.path());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(rig.state.screen.ScreenWidthPx, 1280);
    EXPECT_EQ(form.frameGeometry(), QRect(128, 0, 1024, 748));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(StartUpTest, SaveDriveButtonNamesDriveC) {
    startUp(program, form, rig.root.path());
    EXPECT_EQ(form.saveDriveButton->text(), QStringLiteral("保存ﾄﾞﾗｲﾌﾞ(C:)"));
}

TEST_F(StartUpTest, DefaultsAndClassNames) {
    rig.state.settings.SaveSubFolder = QStringLiteral("2001");
    startUp(program, form, rig.root.path());
    EXPECT_EQ(rig.state.settings.PhotoDrivePath, QStringLiteral("A:\\"));
    EXPECT_EQ(rig.state.settings.SaveBase, QStringLiteral("C:\\A_IMAGE\\"));
    EXPECT_EQ(rig.state.settings.SaveRoot, QStringLiteral("C:\\A_IMAGE\\"));
    EXPECT_TRUE(rig.state.settings.SaveSubFolder.isEmpty());
    EXPECT_EQ(rig.state.openClass.ClassFolder, rig.state.settings.SaveRoot);
    EXPECT_TRUE(rig.state.openClass.ClassNames[0].isEmpty());
    EXPECT_EQ(rig.state.openClass.ClassNames[1], QStringLiteral("１年１組"));
    EXPECT_EQ(rig.state.openClass.ClassNames[8], QStringLiteral("２年３組"));
    EXPECT_EQ(rig.state.openClass.ClassNames[30], QStringLiteral("６年５組"));
}

} // namespace
