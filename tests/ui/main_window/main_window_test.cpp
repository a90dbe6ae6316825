// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_rig.h"
#include "support/window_controls.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    int screenWidth;
    bool large;
    int windowLeft;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << "screen " << c.screenWidth;
}

class MainWindowLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    MainWindowLayoutTest() : rig(GetParam().screenWidth) {}
    FormRig rig;
};

TEST_P(MainWindowLayoutTest, WindowHasTheModeSizeAndIsCentredAtTheTop) {
    const LayoutCase& c = GetParam();
    MainWindow& form = *rig.form;
    EXPECT_EQ(rig.state.screen.ScreenWidthPx, c.screenWidth);
    EXPECT_EQ(form.chosenLayout().large, c.large);
    const QSize outer = c.large ? QSize(1024, 748) : QSize(800, 580);
    EXPECT_EQ(form.frameGeometry().size(), outer);
    EXPECT_EQ(form.pos(), QPoint(c.windowLeft, 0));

    form.show();
    EXPECT_EQ(form.frameGeometry(), QRect(QPoint(c.windowLeft, 0), outer));
}

TEST_P(MainWindowLayoutTest, PanelsTakeTheModeGeometry) {
    const bool large = GetParam().large;
    MainWindow& form = *rig.form;
    EXPECT_EQ(control<PictureBox>(form, "thumbnailPanel")->geometry(),
              large ? QRect(204, 2, 818, 710) : QRect(204, 2, 590, 530));
    EXPECT_EQ(control<PictureBox>(form, "folderList")->geometry(),
              large ? QRect(2, 2, 200, 665) : QRect(2, 2, 200, 500));
    EXPECT_EQ(control<QScrollBar>(form, "thumbnailScroll")->geometry(),
              large ? QRect(785, 0, 29, 680) : QRect(558, 0, 29, 525));
    EXPECT_EQ(control<QPushButton>(form, "selectAllButton")->geometry(),
              large ? QRect(628, 4, 149, 29) : QRect(162, 4, 120, 29));
    EXPECT_EQ(control<QPushButton>(form, "deleteFolderButton")->geometry(),
              large ? QRect(4, 668, 69, 29) : QRect(4, 506, 69, 29));
    EXPECT_EQ(control<QPushButton>(form, "renameFolderButton")->geometry(),
              large ? QRect(76, 668, 125, 29) : QRect(76, 506, 125, 29));
}

// Nothing on the thumbnail panel covers anything else: its buttons, the
// scroll bar, the title box and the page of thumbnail frames (five rows of
// 154 x 132 cells from (4, 39) on the large grid, four of 140 x 121.5 on the
// small one).
TEST_P(MainWindowLayoutTest, NoControlCoversAnother) {
    const bool large = GetParam().large;
    if (GetParam().screenWidth > 999 && !large)
        GTEST_SKIP() << "the large grid on the small window";
    MainWindow& form = *rig.form;
    const QRect titleBox(large ? 390 : 300, 4, 221, 29);
    const QRect page = large ? QRect(QPoint(4, 39), QPoint(4 + 154 * 4 + 145, 39 + 132 * 4 + 127))
                             : QRect(QPoint(4, 39), QPoint(4 + 140 * 3 + 131, 403 + 117));
    const std::vector<std::pair<const char*, QRect>> parts{
        {"saveToDatabaseButton", control<QPushButton>(form, "saveToDatabaseButton")->geometry()},
        {"selectAllButton", control<QPushButton>(form, "selectAllButton")->geometry()},
        {"thumbnailScroll", control<QScrollBar>(form, "thumbnailScroll")->geometry()},
        {"title", titleBox},
        {"page", page}};
    for (size_t a = 0; a < parts.size(); ++a)
        for (size_t b = a + 1; b < parts.size(); ++b)
            EXPECT_FALSE(parts[a].second.intersects(parts[b].second))
                << parts[a].first << " and " << parts[b].first;
}

TEST_P(MainWindowLayoutTest, ClassPanelIsCentredOnTheDesignWidth) {
    const bool large = GetParam().large;
    MainWindow& form = *rig.form;
    EXPECT_DOUBLE_EQ(form.chosenLayout().classPanelLeft, large ? 203.5 : 91.5);
    EXPECT_EQ(control<PictureBox>(form, "classPanel")->geometry(),
              large ? QRect(204, 200, 617, 261) : QRect(92, 130, 617, 261));
}

TEST_P(MainWindowLayoutTest, BackingImagesFollowTheLaidOutPanels) {
    MainWindow& form = *rig.form;
    EXPECT_EQ(control<PictureBox>(form, "thumbnailPanel")->image().size(),
              control<PictureBox>(form, "thumbnailPanel")->size());
    EXPECT_EQ(control<PictureBox>(form, "thumbnailPanel")
                  ->image()
                  .pixelColor(control<PictureBox>(form, "thumbnailPanel")->width() - 1, 0),
              QColor(255, 255, 192));
    EXPECT_EQ(control<PictureBox>(form, "folderList")
                  ->image()
                  .pixelColor(0, control<PictureBox>(form, "folderList")->height() - 1),
              QColor(255, 192, 192));
}

INSTANTIATE_TEST_SUITE_P(ScreenWidths, MainWindowLayoutTest,
                         ::testing::Values(LayoutCase{800, false, 0}, LayoutCase{1010, false, 105},
                                           LayoutCase{1020, false, 110}, LayoutCase{1021, true, -1},
                                           LayoutCase{1024, true, 0}, LayoutCase{1280, true, 128}));

TEST(MainWindowLoad, RunsOnceOnly) {
    FormRig rig(800);
    rig.screen.width = 1280;
    rig.form->load();
    EXPECT_EQ(rig.state.screen.ScreenWidthPx, 800);
    EXPECT_EQ(rig.form->frameGeometry().size(), QSize(800, 580));
}

class MainWindowControlsTest : public ::testing::Test {
protected:
    FormRig rig;
    MainWindow& form = *rig.form;
};

TEST_F(MainWindowControlsTest, WindowCaptionColourAndFont) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("しゃしんばこ"));
    EXPECT_EQ(form.centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_TRUE(form.centralWidget()->autoFillBackground());
    EXPECT_EQ(form.font().family(), PGothic);
    EXPECT_EQ(form.font().pixelSize(), 19);
}

TEST_F(MainWindowControlsTest, TheMsFacesResolveToJapaneseFonts) {
    EXPECT_EQ(QFontInfo(form.font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(control<QLabel>(form, "waitNotice")->font()).family(),
              QStringLiteral("IPAPMincho"));
    EXPECT_EQ(QFontInfo(designFont(Gothic, 12)).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(designFont(Mincho, 12)).family(), QStringLiteral("IPAMincho"));
}

TEST_F(MainWindowControlsTest, ClassButtonsFollowTheClassTable) {
    for (int i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(control<QPushButton>(form, "classButton", i)->parentWidget(),
                  control<PictureBox>(form, "classPanel"));
        EXPECT_EQ(control<QPushButton>(form, "classButton", i)->geometry(),
                  QRect(8 + 100 * (i / 5), 52 + 40 * (i % 5), 97, 37));
    }
    EXPECT_EQ(control<QPushButton>(form, "classButton", 0)->text(), QStringLiteral("１年１組"));
    EXPECT_EQ(control<QPushButton>(form, "classButton", 7)->text(), QStringLiteral("２年３組"));
    EXPECT_EQ(control<QPushButton>(form, "classButton", 29)->text(), QStringLiteral("６年５組"));
}

TEST_F(MainWindowControlsTest, ClassButtonsShowTheirFaceColour) {
    form.show();
    const QImage face = control<QPushButton>(form, "classButton", 12)->grab().toImage();
    EXPECT_EQ(face.pixelColor(6, 6), QColor(255, 224, 192));
    EXPECT_EQ(face.pixelColor(face.width() - 7, face.height() - 7), QColor(255, 224, 192));
}

TEST_F(MainWindowControlsTest, PanelsHaveTheirColoursAndTextFonts) {
    EXPECT_EQ(control<PictureBox>(form, "classPanel")->backColor(), QColor(192, 255, 255));
    EXPECT_EQ(control<PictureBox>(form, "folderList")->backColor(), QColor(255, 192, 192));
    EXPECT_EQ(control<PictureBox>(form, "thumbnailPanel")->backColor(), QColor(255, 255, 192));
    EXPECT_EQ(control<PictureBox>(form, "thumbnailPanel")->textFont().pixelSize(), 16);
    EXPECT_EQ(control<PictureBox>(form, "folderList")->textFont().pixelSize(), 16);
    EXPECT_EQ(control<PictureBox>(form, "thumbnailPanel")->textFont().family(), PGothic);
}

TEST_F(MainWindowControlsTest, ControlsCarryTheirDesignCaptionsAndPlaces) {
    expectDesign(
        form,
        {{"classPrompt", QStringLiteral("あなたのクラスをえらんでください。"), {32, 12, 394, 27}},
         {"saveDriveButton", QStringLiteral("保存ドライブ"), {428, 8, 177, 33}},
         {"folderHeadingBand", QString(), {0, 0, 197, 45}},
         {"folderPageButton0", QStringLiteral("<"), {}},
         {"folderPageButton1", QStringLiteral(">"), {160, 4, 33, 33}},
         {"deleteFolderButton", QStringLiteral("けす"), {}},
         {"renameFolderButton", QStringLiteral("名前をかえる"), {}},
         {"saveToDatabaseButton", QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽに保存する"), {8, 4, 201, 33}},
         {"selectAllButton", QStringLiteral("すべてをえらぶ"), {}},
         {"waitNotice", QStringLiteral("まってください"), {120, 100, 166, 27}},
         {"copyTargetPrompt", QString(), {170, 196, 321, 171}},
         {"copyPromptFirstLine", QStringLiteral("しゃしんをコピーするフォルダは"), {}},
         {"copyPromptSecondLine", QStringLiteral("どこですか？"), {}},
         {"cancelCopyButton", QStringLiteral("キャンセル"), {112, 96, 107, 39}}});
    EXPECT_EQ(control<QLabel>(form, "folderHeadingBand")->palette().color(QPalette::Window),
              QColor(255, 224, 192));
    EXPECT_TRUE(control<QPushButton>(form, "folderPageButton", 0)->font().bold());
    EXPECT_EQ(control<QLabel>(form, "classHeading")->pos(), QPoint(56, 8));
    EXPECT_EQ(control<QLabel>(form, "classHeading")->font().pixelSize(), 24);
    const QFont notice = control<QLabel>(form, "waitNotice")->font();
    EXPECT_EQ(notice.family(), PMincho);
    EXPECT_TRUE(notice.bold());
    EXPECT_EQ(notice.pixelSize(), 27);
}

TEST_F(MainWindowControlsTest, HeadingControlsLieAboveTheHeadingBand) {
    const QList<QObject*> order = control<PictureBox>(form, "folderList")->children();
    const auto at = [&](QObject* o) { return order.indexOf(o); };
    EXPECT_LT(at(control<QLabel>(form, "folderHeadingBand")),
              at(control<QLabel>(form, "classHeading")));
    EXPECT_LT(at(control<QLabel>(form, "classHeading")),
              at(control<QPushButton>(form, "folderPageButton", 0)));
}

TEST_F(MainWindowControlsTest, OnlyTheClassPanelShowsAtFirst) {
    form.show();
    EXPECT_TRUE(control<PictureBox>(form, "classPanel")->isVisible());
    EXPECT_TRUE(control<QPushButton>(form, "classButton", 0)->isVisible());
    EXPECT_FALSE(control<PictureBox>(form, "thumbnailPanel")->isVisible());
    EXPECT_FALSE(control<PictureBox>(form, "folderList")->isVisible());
    EXPECT_FALSE(control<PictureBox>(form, "photoHolder")->isVisible());
    EXPECT_FALSE(control<PictureBox>(form, "copyTargetPrompt")
                     ->isVisibleTo(control<PictureBox>(form, "thumbnailPanel")));
    EXPECT_FALSE(control<QPushButton>(form, "deleteFolderButton")->isVisible());
    EXPECT_FALSE(control<QPushButton>(form, "renameFolderButton")->isVisible());
    EXPECT_TRUE(control<QLabel>(form, "waitNotice")
                    ->isVisibleTo(control<PictureBox>(form, "thumbnailPanel")));
}

TEST_F(MainWindowControlsTest, PhotoHolderTakesTheSizeOfTheLoadedPhoto) {
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    control<PictureBox>(form, "photoHolder")->setPicture(photo);
    EXPECT_EQ(control<PictureBox>(form, "photoHolder")->size(), QSize(640, 480));
    EXPECT_EQ(control<PictureBox>(form, "photoHolder")->image().size(), QSize(640, 480));
}

QStringList captions(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

TEST_F(MainWindowControlsTest, MenuBarHasItsItemsInOrder) {
    const QList<QAction*> bar = form.menuBar()->actions();
    EXPECT_EQ(captions(bar),
              QStringList({"おわり", "フロッピーから取り込む", "フロッピーへほぞん",
                           "しゃしんファイルのへんしゅう", "いんさつ", "スライドショー",
                           "クリップボード", "データベースに切りかえ", "環境設定"}));
    EXPECT_EQ(bar,
              QList<QAction*>(
                  {control<QAction>(form, "quitAction"), control<QAction>(form, "importAction"),
                   control<QAction>(form, "saveToDriveAction"),
                   control<QMenu>(form, "editMenu")->menuAction(),
                   control<QMenu>(form, "printMenu")->menuAction(),
                   control<QAction>(form, "slideShowAction"), control<QAction>(form, "clipAction"),
                   control<QAction>(form, "switchToDatabaseAction"),
                   control<QAction>(form, "settingsAction")}));
    EXPECT_EQ(captions(control<QMenu>(form, "editMenu")->actions()),
              QStringList({"コピー", "さくじょ（けす）", "はる", "-", "他のフォルダを見る",
                           "フォルダをつくる", "ごみばこ"}));
    EXPECT_EQ(control<QMenu>(form, "editMenu")->actions().at(3),
              control<QAction>(form, "editSeparator"));
    EXPECT_EQ(captions(control<QMenu>(form, "printMenu")->actions()),
              QStringList({"１シートに，１まいずつ", "１シートに，２まいずつ",
                           "１シートに，８まいずつ", "１シートに，１８まいずつ"}));
    EXPECT_EQ(control<QMenu>(form, "printMenu")->actions(),
              QList<QAction*>({control<QAction>(form, "printOneAction"),
                               control<QAction>(form, "printTwoAction"),
                               control<QAction>(form, "printEightAction"),
                               control<QAction>(form, "printEighteenAction")}));
    EXPECT_EQ(
        captions({control<QAction>(form, "copyAction"), control<QAction>(form, "deleteAction"),
                  control<QAction>(form, "pasteAction"),
                  control<QAction>(form, "otherFolderAction"),
                  control<QAction>(form, "makeFolderAction")}),
        QStringList(
            {"コピー", "さくじょ（けす）", "はる", "他のフォルダを見る", "フォルダをつくる"}));
}

QStringList visibleCaptions(const QMenuBar* bar) {
    QStringList texts;
    for (const QAction* action : bar->actions())
        if (action->isVisible())
            texts << action->text();
    return texts;
}

TEST_F(MainWindowControlsTest, OnlyEndAndSettingsMenusShowUntilAFolderOpens) {
    EXPECT_EQ(visibleCaptions(form.menuBar()), QStringList({"おわり", "環境設定"}));

    form.view().showFolderCommands();
    EXPECT_EQ(visibleCaptions(form.menuBar()).size(), 9);
    form.show();
    EXPECT_TRUE(control<QPushButton>(form, "deleteFolderButton")->isVisible());
    EXPECT_TRUE(control<QPushButton>(form, "renameFolderButton")->isVisible());
    EXPECT_FALSE(control<PictureBox>(form, "thumbnailPanel")->isVisible());
}

TEST(MainWindowMenuBar, EveryItemFitsOnTheSmallWindowsOneLine) {
    FormRig rig(800);
    rig.view.showFolderCommands();
    rig.form->show();
    QMenuBar* bar = rig.form->menuBar();
    // The database item also reads "come back" while the database is open.
    const QStringList databaseCaptions{"データベースに切りかえ", "データベースからもどる"};
    for (const QString& databaseCaption : databaseCaptions) {
        control<QAction>(*rig.form, "switchToDatabaseAction")->setText(databaseCaption);
        for (QAction* action : bar->actions()) {
            SCOPED_TRACE(action->text().toStdString());
            const QRect place = bar->actionGeometry(action);
            EXPECT_FALSE(place.isEmpty());
            EXPECT_LE(place.right(), bar->width() - 1);
            EXPECT_LT(place.top(), bar->fontMetrics().height());
        }
    }
}

TEST_F(MainWindowControlsTest, ClosingTheWindowIsReportedAndAccepted) {
    form.show();
    int requests = 0;
    QObject::connect(&form, &MainWindow::closeRequested, [&] { ++requests; });
    EXPECT_TRUE(form.close());
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
