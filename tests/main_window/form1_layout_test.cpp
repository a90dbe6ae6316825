#include "main_window/form1.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "support/test_rig.h"

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

class Form1LayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    Form1LayoutTest() : rig(GetParam().screenWidth) {}
    FormRig rig;
};

TEST_P(Form1LayoutTest, WindowHasTheModeSizeAndIsCentredAtTheTop) {
    const LayoutCase& c = GetParam();
    Form1& form = *rig.form;
    EXPECT_EQ(rig.state.ScreenWidthPx, c.screenWidth);
    EXPECT_EQ(form.chosenLayout().large, c.large);
    const QSize outer = c.large ? QSize(1024, 748) : QSize(800, 580);
    EXPECT_EQ(form.frameGeometry().size(), outer);
    EXPECT_EQ(form.pos(), QPoint(c.windowLeft, 0));

    form.show();
    EXPECT_EQ(form.frameGeometry(), QRect(QPoint(c.windowLeft, 0), outer));
}

TEST_P(Form1LayoutTest, PanelsTakeTheModeGeometry) {
    const bool large = GetParam().large;
    Form1& form = *rig.form;
    EXPECT_EQ(form.Picture1->geometry(), large ? QRect(204, 2, 818, 710) : QRect(204, 2, 590, 530));
    EXPECT_EQ(form.Picture2->geometry(), large ? QRect(2, 2, 200, 665) : QRect(2, 2, 200, 500));
    EXPECT_EQ(form.VScroll1->geometry(), large ? QRect(785, 0, 29, 680) : QRect(558, 0, 29, 525));
    EXPECT_EQ(form.Command6->geometry(), large ? QRect(628, 4, 149, 29) : QRect(162, 4, 120, 29));
    EXPECT_EQ(form.Command3->geometry(), large ? QRect(4, 668, 69, 29) : QRect(4, 506, 69, 29));
    EXPECT_EQ(form.Command4->geometry(), large ? QRect(76, 668, 125, 29) : QRect(76, 506, 125, 29));
}

// Nothing on the thumbnail panel covers anything else: its buttons, the
// scroll bar, the title box and the page of thumbnail frames (five rows of
// 154 x 132 cells from (4, 39) on the large grid, four of 140 x 121.5 on the
// small one).
TEST_P(Form1LayoutTest, NoControlCoversAnother) {
    const bool large = GetParam().large;
    if (GetParam().screenWidth > 999 && !large)
        GTEST_SKIP() << "the large grid on the small window";
    Form1& form = *rig.form;
    const QRect titleBox(large ? 390 : 300, 4, 221, 29);
    const QRect page = large ? QRect(QPoint(4, 39), QPoint(4 + 154 * 4 + 145, 39 + 132 * 4 + 127))
                             : QRect(QPoint(4, 39), QPoint(4 + 140 * 3 + 131, 403 + 117));
    const std::vector<std::pair<const char*, QRect>> parts{{"Command1", form.Command1->geometry()},
                                                           {"Command6", form.Command6->geometry()},
                                                           {"VScroll1", form.VScroll1->geometry()},
                                                           {"title", titleBox},
                                                           {"page", page}};
    for (size_t a = 0; a < parts.size(); ++a)
        for (size_t b = a + 1; b < parts.size(); ++b)
            EXPECT_FALSE(parts[a].second.intersects(parts[b].second))
                << parts[a].first << " and " << parts[b].first;
}

TEST_P(Form1LayoutTest, ClassPanelIsCentredOnTheDesignWidth) {
    const bool large = GetParam().large;
    Form1& form = *rig.form;
    EXPECT_DOUBLE_EQ(form.chosenLayout().picture3Left, large ? 203.5 : 91.5);
    EXPECT_EQ(form.Picture3->geometry(),
              large ? QRect(204, 200, 617, 261) : QRect(92, 130, 617, 261));
}

TEST_P(Form1LayoutTest, BackingImagesFollowTheLaidOutPanels) {
    Form1& form = *rig.form;
    EXPECT_EQ(form.Picture1->image().size(), form.Picture1->size());
    EXPECT_EQ(form.Picture1->image().pixelColor(form.Picture1->width() - 1, 0),
              QColor(255, 255, 192));
    EXPECT_EQ(form.Picture2->image().pixelColor(0, form.Picture2->height() - 1),
              QColor(255, 192, 192));
}

INSTANTIATE_TEST_SUITE_P(ScreenWidths, Form1LayoutTest,
                         ::testing::Values(LayoutCase{800, false, 0}, LayoutCase{1010, false, 105},
                                           LayoutCase{1020, false, 110}, LayoutCase{1021, true, -1},
                                           LayoutCase{1024, true, 0}, LayoutCase{1280, true, 128}));

TEST(Form1Load, RunsOnceOnly) {
    FormRig rig(800);
    rig.screen.width = 1280;
    rig.form->load();
    EXPECT_EQ(rig.state.ScreenWidthPx, 800);
    EXPECT_EQ(rig.form->frameGeometry().size(), QSize(800, 580));
}

class Form1ControlsTest : public ::testing::Test {
protected:
    FormRig rig;
    Form1& form = *rig.form;
};

TEST_F(Form1ControlsTest, WindowCaptionColourAndFont) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("しゃしんばこ"));
    EXPECT_EQ(form.centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_TRUE(form.centralWidget()->autoFillBackground());
    EXPECT_EQ(form.font().family(), PGothic);
    EXPECT_EQ(form.font().pixelSize(), 19);
}

TEST_F(Form1ControlsTest, TheMsFacesResolveToJapaneseFonts) {
    EXPECT_EQ(QFontInfo(form.font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(form.Label1->font()).family(), QStringLiteral("IPAPMincho"));
    EXPECT_EQ(QFontInfo(designFont(Gothic, 12)).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(designFont(Mincho, 12)).family(), QStringLiteral("IPAMincho"));
}

TEST_F(Form1ControlsTest, ClassButtonsFollowTheClassTable) {
    for (int i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(form.Command2[i]->parentWidget(), form.Picture3);
        EXPECT_EQ(form.Command2[i]->geometry(),
                  QRect(8 + 100 * (i / 5), 52 + 40 * (i % 5), 97, 37));
    }
    EXPECT_EQ(form.Command2[0]->text(), QStringLiteral("１年１組"));
    EXPECT_EQ(form.Command2[7]->text(), QStringLiteral("２年３組"));
    EXPECT_EQ(form.Command2[29]->text(), QStringLiteral("６年５組"));
}

TEST_F(Form1ControlsTest, ClassButtonsShowTheirFaceColour) {
    form.show();
    const QImage face = form.Command2[12]->grab().toImage();
    EXPECT_EQ(face.pixelColor(6, 6), QColor(255, 224, 192));
    EXPECT_EQ(face.pixelColor(face.width() - 7, face.height() - 7), QColor(255, 224, 192));
}

TEST_F(Form1ControlsTest, PanelsHaveTheirColoursAndTextFonts) {
    EXPECT_EQ(form.Picture3->backColor(), QColor(192, 255, 255));
    EXPECT_EQ(form.Picture2->backColor(), QColor(255, 192, 192));
    EXPECT_EQ(form.Picture1->backColor(), QColor(255, 255, 192));
    EXPECT_EQ(form.Picture1->textFont().pixelSize(), 16);
    EXPECT_EQ(form.Picture2->textFont().pixelSize(), 16);
    EXPECT_EQ(form.Picture1->textFont().family(), PGothic);
}

TEST_F(Form1ControlsTest, ControlsCarryTheirDesignCaptionsAndPlaces) {
    EXPECT_EQ(form.Label2->text(), QStringLiteral("あなたのクラスをえらんでください。"));
    EXPECT_EQ(form.Label2->geometry(), QRect(32, 12, 394, 27));
    EXPECT_EQ(form.Command8->text(), QStringLiteral("保存ドライブ"));
    EXPECT_EQ(form.Command8->geometry(), QRect(428, 8, 177, 33));

    EXPECT_EQ(form.Shape1->geometry(), QRect(0, 0, 197, 45));
    EXPECT_EQ(form.Shape1->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(form.Command5[0]->text(), QStringLiteral("<"));
    EXPECT_EQ(form.Command5[1]->text(), QStringLiteral(">"));
    EXPECT_EQ(form.Command5[1]->geometry(), QRect(160, 4, 33, 33));
    EXPECT_TRUE(form.Command5[0]->font().bold());
    EXPECT_EQ(form.Label3->pos(), QPoint(56, 8));
    EXPECT_EQ(form.Label3->font().pixelSize(), 24);
    EXPECT_EQ(form.Command3->text(), QStringLiteral("けす"));
    EXPECT_EQ(form.Command4->text(), QStringLiteral("名前をかえる"));

    EXPECT_EQ(form.Command1->text(), QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽに保存する"));
    EXPECT_EQ(form.Command1->geometry(), QRect(8, 4, 201, 33));
    EXPECT_EQ(form.Command6->text(), QStringLiteral("すべてをえらぶ"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("まってください"));
    EXPECT_EQ(form.Label1->geometry(), QRect(120, 100, 166, 27));
    EXPECT_EQ(form.Label1->font().family(), PMincho);
    EXPECT_TRUE(form.Label1->font().bold());
    EXPECT_EQ(form.Label1->font().pixelSize(), 27);

    EXPECT_EQ(form.Picture5->geometry(), QRect(170, 196, 321, 171));
    EXPECT_EQ(form.Label6->text(), QStringLiteral("しゃしんをコピーするフォルダは"));
    EXPECT_EQ(form.Label7->text(), QStringLiteral("どこですか？"));
    EXPECT_EQ(form.Command7->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(form.Command7->geometry(), QRect(112, 96, 107, 39));
}

TEST_F(Form1ControlsTest, HeadingControlsLieAboveTheHeadingBand) {
    const QList<QObject*> order = form.Picture2->children();
    const auto at = [&](QObject* o) { return order.indexOf(o); };
    EXPECT_LT(at(form.Shape1), at(form.Label3));
    EXPECT_LT(at(form.Label3), at(form.Command5[0]));
}

TEST_F(Form1ControlsTest, OnlyTheClassPanelShowsAtFirst) {
    form.show();
    EXPECT_TRUE(form.Picture3->isVisible());
    EXPECT_TRUE(form.Command2[0]->isVisible());
    EXPECT_FALSE(form.Picture1->isVisible());
    EXPECT_FALSE(form.Picture2->isVisible());
    EXPECT_FALSE(form.Picture4->isVisible());
    EXPECT_FALSE(form.Picture5->isVisibleTo(form.Picture1));
    EXPECT_FALSE(form.Command3->isVisible());
    EXPECT_FALSE(form.Command4->isVisible());
    EXPECT_TRUE(form.Label1->isVisibleTo(form.Picture1));
}

TEST_F(Form1ControlsTest, PhotoHolderTakesTheSizeOfTheLoadedPhoto) {
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    form.Picture4->setPicture(photo);
    EXPECT_EQ(form.Picture4->size(), QSize(640, 480));
    EXPECT_EQ(form.Picture4->image().size(), QSize(640, 480));
}

QStringList captions(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

TEST_F(Form1ControlsTest, MenuBarHasItsItemsInOrder) {
    const QList<QAction*> bar = form.menuBar()->actions();
    EXPECT_EQ(captions(bar),
              QStringList({"おわり", "フロッピーから取り込む", "フロッピーへほぞん",
                           "しゃしんファイルのへんしゅう", "いんさつ", "スライドショー",
                           "クリップボード", "データベースに切りかえ", "環境設定"}));
    EXPECT_EQ(bar, QList<QAction*>({form.mnuend, form.MNUFILELOAD, form.MNUSAVE,
                                    form.mnuedit->menuAction(), form.MNUPRINT->menuAction(),
                                    form.mnudisp, form.MNUCLIP, form.mnudrvchg, form.mnu_conv}));
    EXPECT_EQ(captions(form.mnuedit->actions()),
              QStringList({"コピー", "さくじょ（けす）", "はる", "-", "他のフォルダを見る",
                           "フォルダをつくる"}));
    EXPECT_EQ(form.mnuedit->actions().at(3), form.KUGIRI);
    EXPECT_EQ(captions(form.MNUPRINT->actions()),
              QStringList({"１シートに，１まいずつ", "１シートに，２まいずつ",
                           "１シートに，８まいずつ", "１シートに，１８まいずつ"}));
    EXPECT_EQ(form.MNUPRINT->actions(),
              QList<QAction*>({form.MNUPRINT1, form.MNUPRINT2, form.MNUPRINT8, form.MNUPRINT18}));
    EXPECT_EQ(captions({form.mnucopy, form.mnudel, form.mnuharu, form.MNU_OTHERFOLDER,
                        form.MNU_MKFOLDER}),
              QStringList({"コピー", "さくじょ（けす）", "はる", "他のフォルダを見る",
                           "フォルダをつくる"}));
}

QStringList visibleCaptions(const QMenuBar* bar) {
    QStringList texts;
    for (const QAction* action : bar->actions())
        if (action->isVisible())
            texts << action->text();
    return texts;
}

TEST_F(Form1ControlsTest, OnlyEndAndSettingsMenusShowUntilAFolderOpens) {
    EXPECT_EQ(visibleCaptions(form.menuBar()), QStringList({"おわり", "環境設定"}));

    form.showFolderCommands();
    EXPECT_EQ(visibleCaptions(form.menuBar()).size(), 9);
    form.show();
    EXPECT_TRUE(form.Command3->isVisible());
    EXPECT_TRUE(form.Command4->isVisible());
    EXPECT_FALSE(form.Picture1->isVisible());
}

TEST(Form1MenuBar, EveryItemFitsOnTheSmallWindowsOneLine) {
    FormRig rig(800);
    rig.form->showFolderCommands();
    rig.form->show();
    QMenuBar* bar = rig.form->menuBar();
    // The database item also reads "come back" while the database is open.
    const QStringList databaseCaptions{"データベースに切りかえ", "データベースからもどる"};
    for (const QString& databaseCaption : databaseCaptions) {
        rig.form->mnudrvchg->setText(databaseCaption);
        for (QAction* action : bar->actions()) {
            SCOPED_TRACE(action->text().toStdString());
            const QRect place = bar->actionGeometry(action);
            EXPECT_FALSE(place.isEmpty());
            EXPECT_LE(place.right(), bar->width() - 1);
            EXPECT_LT(place.top(), bar->fontMetrics().height());
        }
    }
}

TEST_F(Form1ControlsTest, ClosingTheWindowIsReportedAndAccepted) {
    form.show();
    int requests = 0;
    QObject::connect(&form, &Form1::closeRequested, [&] { ++requests; });
    EXPECT_TRUE(form.close());
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
