#include "main_window/form1.h"

#include "main_window/control_builders.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "platform/screen_service.h"
#include "platform/services.h"
#include "state/class_names.h"
#include "state/program_state.h"
#include "state/rounding.h"
#include "state/screen_mode.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

// Coordinates: the window's position and size are those of its outer frame.
// Every control is placed in pixels relative to its container; for controls
// of the window itself that is the client area, the central widget below the
// menu bar, and for the others the picture box that holds them.

namespace {
const QColor WindowColor(192, 255, 192);
const QColor ClassPanelColor(192, 255, 255);
const QColor FolderListColor(255, 192, 192);
const QColor ThumbnailPanelColor(255, 255, 192);
const QColor HeadingColor(255, 224, 192);

// Raised buttons with the face colour shown; the native style would ignore it.
const QString ClassButtonStyle =
    QStringLiteral("QPushButton { background-color: rgb(255, 224, 192); color: black;"
                   " border: 2px outset rgb(255, 224, 192); }"
                   "QPushButton:pressed { border-style: inset; }");

const QString MenuBarStyle =
    QStringLiteral("QMenuBar { spacing: 0px; }"
                   "QMenuBar::item { padding: 2px 3px; background: transparent; }"
                   "QMenuBar::item:selected, QMenuBar::item:pressed {"
                   " background: palette(highlight); color: palette(highlighted-text); }");

QPushButton* makeButton(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    return button;
}

PictureBox* makePictureBox(QWidget* parent, const QRect& geometry, const QColor& backColor) {
    auto* box = new PictureBox(parent);
    box->setGeometry(geometry);
    box->setBackColor(backColor);
    return box;
}
} // namespace

Form1::Form1(ProgramState& state, Services& services, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_services(services) {
    setWindowTitle(QStringLiteral("しゃしんばこ"));
    setFont(designFont(PGothic, 14.25));

    auto* client = new QWidget(this);
    fillWith(client, WindowColor);
    setCentralWidget(client);

    // Creation order is stacking order: later controls lie above earlier ones.
    buildClassPanel(client);
    buildFolderList(client);
    buildThumbnailPanel(client);
    buildPhotoHolder(client);
    buildMenus();
}

void Form1::buildClassPanel(QWidget* client) {
    Picture3 = makePictureBox(client, QRect(120, 164, ClassPanelWidth, 261), ClassPanelColor);
    Label2 = makeLabel(QStringLiteral("あなたのクラスをえらんでください。"), Picture3,
                       QRect(32, 12, 394, 27));
    Label2->setFont(designFont(PGothic, 20.25));
    Command8 = makeButton(QStringLiteral("保存ドライブ"), Picture3, QRect(428, 8, 177, 33));
    for (int i = 0; i < ClassCount; ++i) {
        Command2[i] = makeButton(classDisplayName(i), Picture3,
                                 QRect(8 + 100 * (i / 5), 52 + 40 * (i % 5), 97, 37));
        Command2[i]->setStyleSheet(ClassButtonStyle);
    }
}

void Form1::buildFolderList(QWidget* client) {
    Picture2 = makePictureBox(client, QRect(4, 4, 201, 341), FolderListColor);
    Picture2->setTextFont(designFont(PGothic, 12));
    Picture2->hide();

    Shape1 = new QLabel(Picture2);
    Shape1->setGeometry(0, 0, 197, 45);
    fillWith(Shape1, HeadingColor);

    // Transparent and reaching to the panel's edge, the heading shows any
    // class name whole without having to follow the length of its text.
    const QFont headingFont = designFont(PGothic, 18);
    Label3 =
        makeLabel(QString(), Picture2, QRect(56, 8, 201 - 56, QFontMetrics(headingFont).height()));
    Label3->setFont(headingFont);

    const QFont arrowFont = designFont(PGothic, 18, true);
    Command5[0] = makeButton(QStringLiteral("<"), Picture2, QRect(4, 4, 33, 33));
    Command5[1] = makeButton(QStringLiteral(">"), Picture2, QRect(160, 4, 33, 33));
    for (QPushButton* button : Command5)
        button->setFont(arrowFont);

    Command3 = makeButton(QStringLiteral("けす"), client, QRect(4, 364, 69, 29));
    Command3->hide();
    Command4 = makeButton(QStringLiteral("名前をかえる"), client, QRect(76, 364, 125, 29));
    Command4->hide();
}

void Form1::buildThumbnailPanel(QWidget* client) {
    Picture1 = makePictureBox(client, QRect(216, 20, 801, 477), ThumbnailPanelColor);
    Picture1->setTextFont(designFont(PGothic, 12));
    Picture1->hide();

    // The waiting notice lies under the panel's buttons and covers the page
    // being drawn.
    Label1 = makeLabel(QStringLiteral("まってください"), Picture1, QRect(120, 100, 166, 27));
    Label1->setFont(designFont(PMincho, 20.25, true));
    fillWith(Label1, ThumbnailPanelColor);

    Command1 = makeButton(QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽに保存する"), Picture1, QRect(8, 4, 201, 33));
    Command6 = makeButton(QStringLiteral("すべてをえらぶ"), Picture1, QRect(628, 4, 149, 29));
    VScroll1 = new QScrollBar(Qt::Vertical, Picture1);
    VScroll1->setGeometry(392, 4, 29, 461);
    // Each page costs a decode of every photo on it, so a drag redraws only
    // where the thumb is let go.
    VScroll1->setTracking(false);

    Picture5 = makePictureBox(Picture1, QRect(170, 196, 321, 171),
                              QApplication::palette().color(QPalette::Button));
    Picture5->hide();
    Label6 = makeLabel(QStringLiteral("しゃしんをコピーするフォルダは"), Picture5,
                       QRect(32, 14, 248, 19));
    Label7 = makeLabel(QStringLiteral("どこですか？"), Picture5, QRect(32, 40, 104, 19));
    Command7 = makeButton(QStringLiteral("キャンセル"), Picture5, QRect(112, 96, 107, 39));
}

void Form1::buildPhotoHolder(QWidget* client) {
    Picture4 = makePictureBox(client, QRect(178, 366, 177, 113),
                              QApplication::palette().color(QPalette::Button));
    Picture4->setAutoSize(true);
    Picture4->hide();
}

void Form1::buildMenus() {
    QMenuBar* bar = menuBar();
    // Menus keep the system's menu size rather than the window's large font,
    // and sit close together so that every item fits on the small window's
    // one line.
    bar->setFont(designFont(PGothic, 9));
    bar->setStyleSheet(MenuBarStyle);

    mnuend = bar->addAction(QStringLiteral("おわり"));
    MNUFILELOAD = bar->addAction(QStringLiteral("フロッピーから取り込む"));
    MNUSAVE = bar->addAction(QStringLiteral("フロッピーへほぞん"));

    mnuedit = bar->addMenu(QStringLiteral("しゃしんファイルのへんしゅう"));
    mnucopy = mnuedit->addAction(QStringLiteral("コピー"));
    mnudel = mnuedit->addAction(QStringLiteral("さくじょ（けす）"));
    mnuharu = mnuedit->addAction(QStringLiteral("はる"));
    KUGIRI = mnuedit->addSeparator();
    MNU_OTHERFOLDER = mnuedit->addAction(QStringLiteral("他のフォルダを見る"));
    MNU_MKFOLDER = mnuedit->addAction(QStringLiteral("フォルダをつくる"));

    MNUPRINT = bar->addMenu(QStringLiteral("いんさつ"));
    MNUPRINT1 = MNUPRINT->addAction(QStringLiteral("１シートに，１まいずつ"));
    MNUPRINT2 = MNUPRINT->addAction(QStringLiteral("１シートに，２まいずつ"));
    MNUPRINT8 = MNUPRINT->addAction(QStringLiteral("１シートに，８まいずつ"));
    MNUPRINT18 = MNUPRINT->addAction(QStringLiteral("１シートに，１８まいずつ"));

    mnudisp = bar->addAction(QStringLiteral("スライドショー"));
    MNUCLIP = bar->addAction(QStringLiteral("クリップボード"));
    mnudrvchg = bar->addAction(QStringLiteral("データベースに切りかえ"));
    mnu_conv = bar->addAction(QStringLiteral("環境設定"));

    for (QAction* hidden : {MNUFILELOAD, MNUSAVE, mnuedit->menuAction(), MNUPRINT->menuAction(),
                            mnudisp, MNUCLIP, mnudrvchg})
        hidden->setVisible(false);
}

void Form1::load() {
    if (m_loaded)
        return;
    m_loaded = true;

    m_state.ScreenWidthPx = m_services.screen.widthPx();
    m_layout = form1LayoutFor(m_state.ScreenWidthPx);

    VScroll1->setGeometry(m_layout.vScroll1);
    // One position is one row of thumbnails; a click in the track turns a page.
    VScroll1->setPageStep(thumbColumnsFor(m_state.ScreenWidthPx));
    Picture1->setGeometry(m_layout.picture1);
    Picture2->setGeometry(m_layout.picture2);
    Picture3->move(roundHalfEven(m_layout.picture3Left), m_layout.picture3Top);
    Command3->move(Command3->x(), m_layout.folderButtonsTop);
    Command4->move(Command4->x(), m_layout.folderButtonsTop);
    Command1->setGeometry(m_layout.command1);
    Command6->setGeometry(m_layout.command6);
    if (m_layout.smallTopButtons) {
        const QFont smaller = designFont(PGothic, 12);
        Command1->setFont(smaller);
        Command6->setFont(smaller);
    }

    fitOuterSize();
    move(centredWindowLeft(m_state.ScreenWidthPx, m_layout.windowSize.width()), 0);
}

void Form1::showFolderCommands() {
    for (QAction* action : {mnudrvchg, MNUCLIP, MNUFILELOAD, mnuedit->menuAction(), MNUSAVE,
                            mnudisp, MNUPRINT->menuAction()})
        action->setVisible(true);
    Command3->show();
    Command4->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    emit closeRequested();
    event->accept();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitOuterSize();
}

void Form1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitOuterSize();
}

void Form1::fitOuterSize() {
    if (!m_loaded)
        return;
    // The window manager reports its frame only once the window is mapped;
    // until then (and without a window manager) the frame adds nothing. The
    // size is set again only when the frame changes, so a size the user gives
    // the window stays.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (m_sizedForFrame == frame)
        return;
    m_sizedForFrame = frame;
    resize(m_layout.windowSize - frame);
}
