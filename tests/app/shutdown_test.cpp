// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shutdown.h"
#include "support/test_rig.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

class ShutDownTest : public ::testing::Test {
protected:
    ShutDownTest() {
        connectShutDown(rig.program, *rig.form, [this] { ++ends; });
        rig.form->show();
    }
    FormRig rig;
    int ends = 0;
};

TEST_F(ShutDownTest, EndMenuAsksAndYesEndsTheProgram) {
    rig.messages.answers = {true};
    rig.form->quitAction->trigger();
    EXPECT_EQ(rig.messages.shown, QStringList{"おわります"});
    EXPECT_EQ(ends, 1);
}

TEST_F(ShutDownTest, EndMenuAnsweredNoLeavesEverythingAsItWas) {
    rig.state.folder.PhotoCount = 3;
    rig.state.folder.PhotoMarks[2] = 1;
    rig.messages.answers = {false};
    rig.form->quitAction->trigger();
    EXPECT_EQ(rig.messages.shown, QStringList{"おわります"});
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(rig.state.folder.PhotoMarks[2], 1);
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_EQ(rig.messages.beeps, 0);
}

TEST_F(ShutDownTest, ClosingTheWindowEndsWithoutAQuestion) {
    rig.state.folder.PhotoCount = 3;
    rig.state.folder.PhotoMarks[1] = 1;
    rig.form->close();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST_F(ShutDownTest, ClosingWhileTheClassPanelShowsEndsTheSameWay) {
    ASSERT_TRUE(rig.form->classPanel->isVisible());
    rig.form->close();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

} // namespace
