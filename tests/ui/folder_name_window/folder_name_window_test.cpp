// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_controls.h"
#include "support_library/import_rig.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QColor WindowColor(255, 255, 192);

TEST(FolderNameWindowTest, ControlsKeepTheirDesignPlaces) {
    FolderNameWindow window;
    EXPECT_EQ(window.size(), QSize(323, 187));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("しゃしんファイルのとりこみ"));
    EXPECT_EQ(window.palette().color(QPalette::Window), WindowColor);
    EXPECT_EQ(window.font(), designFont(PGothic, 15.75));

    expectDesign(window, {{"nameLabel", QStringLiteral("フォルダ名"), {8, 16, 93, 21}},
                          {"runButton", QStringLiteral("じっこう"), {136, 4, 77, 33}},
                          {"cancelButton", QStringLiteral("ｷｬﾝｾﾙ"), {216, 4, 105, 33}},
                          {"nameEdit", QString(), {4, 44, 313, 30}},
                          {"instructionBox", QString(), {4, 80, 313, 101}}});
    EXPECT_EQ(control<QLabel>(window, "nameLabel")->font(), designFont(PGothic, 14.25));
    EXPECT_EQ(control<QLineEdit>(window, "nameEdit")->font(), designFont(Gothic, 18));
    EXPECT_EQ(control<QLabel>(window, "instructionBox")->palette().color(QPalette::Window),
              QColor(192, 255, 255));

    const std::vector<std::pair<QLabel*, QString>> instructions = {
        {control<QLabel>(window, "cardInstructionFirstLine"),
         QStringLiteral("フロッピーディスクをドライブＡに")},
        {control<QLabel>(window, "cardInstructionSecondLine"),
         QStringLiteral("セットしてください。")},
        {control<QLabel>(window, "typeInstructionFirstLine"),
         QStringLiteral("フォルダ名をタイプし、「じっこう」")},
        {control<QLabel>(window, "typeInstructionSecondLine"),
         QStringLiteral("ボタンをおしてください。")}};
    const QList<QRect> places = {
        {32, 84, 275, 21}, {12, 108, 164, 21}, {32, 132, 278, 21}, {12, 156, 207, 21}};
    for (std::size_t i = 0; i < instructions.size(); ++i) {
        EXPECT_EQ(instructions[i].first->text(), instructions[i].second);
        EXPECT_EQ(instructions[i].first->geometry(), places[int(i)]);
    }
    EXPECT_TRUE(control<QProgressBar>(window, "importProgress")->isHidden());
}

TEST(FolderNameWindowTest, CancelAndTitleBarCloseHideWithoutRunning) {
    FolderNameWindow window;
    int runs = 0;
    QObject::connect(&window, &FolderNameWindow::runRequested, [&runs] { ++runs; });
    window.show();
    control<QPushButton>(window, "cancelButton")->click();
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(runs, 0);
}

class OpeningForm2 : public ::testing::Test {
protected:
    void SetUp() override {
        rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                             QStringLiteral("えんそく,IMG_0002_b,2002/01/01 0,")});
        rig.openClassFolder();
        rig.state.openClass.CurrentFolderIndex = 2;
    }
    // Opens the window through command and cancels it.
    ImportRig::Outcome openAndCancel(const std::function<void()>& command) {
        ImportRig::Outcome outcome;
        rig.modals.script = [&](QDialog& dialog) {
            auto& window = dynamic_cast<FolderNameWindow&>(dialog);
            outcome = {&window, window.windowTitle(), window.frameGeometry().height(),
                       control<QLineEdit>(window, "nameEdit")->text(), true};
            control<QPushButton>(window, "cancelButton")->click();
            outcome.stayedOpen = window.isVisible();
        };
        command();
        return outcome;
    }

    ImportRig rig;
};

TEST_F(OpeningForm2, EachCommandSetsCaptionHeightAndText) {
    const auto import =
        openAndCancel([this] { control<QAction>(*rig.form, "importAction")->trigger(); });
    EXPECT_EQ(import.caption, QStringLiteral("デジカメから，ファイルをとりこむ"));
    EXPECT_EQ(import.height, 232);
    EXPECT_TRUE(import.initialText.isEmpty());
    EXPECT_EQ(rig.state.FolderNameWindowMode, FolderNameMode::Import);

    const auto rename =
        openAndCancel([this] { control<QPushButton>(*rig.form, "renameFolderButton")->click(); });
    EXPECT_EQ(rename.caption, QStringLiteral("フォルダ名をかえる"));
    EXPECT_EQ(rename.height, 143);
    EXPECT_EQ(rename.initialText, QStringLiteral("えんそく"));
    EXPECT_EQ(rig.state.FolderNameWindowMode, FolderNameMode::Rename);

    const auto make =
        openAndCancel([this] { control<QAction>(*rig.form, "makeFolderAction")->trigger(); });
    EXPECT_EQ(make.caption, QStringLiteral("フォルダを作る"));
    EXPECT_EQ(make.height, 101);
    EXPECT_TRUE(make.initialText.isEmpty());
    EXPECT_EQ(rig.state.FolderNameWindowMode, FolderNameMode::MakeFolder);

    EXPECT_EQ(rig.modals.opened, 3);
}

// Whatever the frame takes, the rename window shows the lines asking for a
// name whole and no line cut through.
TEST_F(OpeningForm2, TheRenameGuideIsNeverCut) {
    const auto rename =
        openAndCancel([this] { control<QPushButton>(*rig.form, "renameFolderButton")->click(); });
    const FolderNameWindow& window = *rename.window;
    for (const QLabel* line : {control<QLabel>(window, "cardInstructionFirstLine"),
                               control<QLabel>(window, "cardInstructionSecondLine")})
        EXPECT_TRUE(line->isHidden() || line->geometry().bottom() < window.height());
    for (const QLabel* line : {control<QLabel>(window, "typeInstructionFirstLine"),
                               control<QLabel>(window, "typeInstructionSecondLine")})
        EXPECT_TRUE(!line->isHidden() && line->geometry().bottom() < window.height());
}

TEST_F(OpeningForm2, OneWindowOwnedByTheMainWindowIsReused) {
    const auto first =
        openAndCancel([this] { control<QAction>(*rig.form, "importAction")->trigger(); });
    const auto second =
        openAndCancel([this] { control<QPushButton>(*rig.form, "renameFolderButton")->click(); });
    EXPECT_EQ(first.window, second.window);
    EXPECT_EQ(first.window->parent(), rig.form.get());
    EXPECT_FALSE(second.stayedOpen);
}

TEST_F(OpeningForm2, CancelChangesNothing) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    const QStringList before = rig.readIndexLines();
    for (const auto& command : std::vector<std::function<void()>>{
             [this] { control<QAction>(*rig.form, "importAction")->trigger(); },
             [this] { control<QAction>(*rig.form, "makeFolderAction")->trigger(); },
             [this] { control<QPushButton>(*rig.form, "renameFolderButton")->click(); }})
        EXPECT_FALSE(openAndCancel(command).stayedOpen);
    EXPECT_EQ(rig.readIndexLines(), before);
    EXPECT_EQ(rig.namesIn(rig.classFolder), QStringList{QStringLiteral("IMGMAIN.TXT")});
    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 2);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
}

TEST_F(OpeningForm2, ImportShowsItsProgressUntilTheWindowOpensAgain) {
    for (const char* name : {"P1.JPG", "P2.JPG", "P3.JPG"})
        rig.putPhoto(QString::fromLatin1(name));
    rig.messages.answers = {true};
    const auto outcome = rig.importAs(QStringLiteral("c"));
    const QProgressBar* progress = control<QProgressBar>(*outcome.window, "importProgress");
    EXPECT_FALSE(progress->isHidden());
    EXPECT_EQ(progress->value(), 3);
    EXPECT_EQ(progress->maximum(), 3);
    EXPECT_EQ(progress->text(), QStringLiteral("3 / 3"));

    bool hiddenOnOpening = false;
    rig.whenOpen = [&](FolderNameWindow& window) {
        hiddenOnOpening = control<QProgressBar>(window, "importProgress")->isHidden();
    };
    rig.makeFolderAs(QStringLiteral("d"));
    EXPECT_TRUE(hiddenOnOpening);
    EXPECT_TRUE(progress->isHidden());
}

} // namespace
