// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window.h"

#include "core/geometry/fitting.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/class_names.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/thumbnail_page.h"
#include "ui/widgets/control_builders.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/page_scroll_bar.h"
#include "ui/widgets/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
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

const QString MenuBarStyle =
    QStringLiteral("QMenuBar { spacing: 0px; }"
                   "QMenuBar::item { padding: 2px 3px; background: transparent; }"
                   "QMenuBar::item:selected, QMenuBar::item:pressed {"
                   " background: palette(highlight); color: palette(highlighted-text); }");

// Alt pressed and let go alone opens the menu bar to the arrow keys, whatever
// the desktop's own style does.
class MenuKeysStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

PictureBox* makePictureBox(QWidget* parent, const QRect& geometry, const QColor& backColor) {
    auto* box = new PictureBox(parent);
    box->setGeometry(geometry);
    box->setBackColor(backColor);
    return box;
}
} // namespace

MainWindow::MainWindow(ProgramState& state, Services& services, QWidget* parent)
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
    nameForScreenReaders();
    setKeyboardOrder();
}

void MainWindow::nameForScreenReaders() {
    classPanel->setAccessibleName(QStringLiteral("クラスをえらぶ"));
    folderList->setAccessibleName(QStringLiteral("フォルダのいちらん"));
    folderList->setAccessibleRole(QAccessible::List);
    folderList->setDrawnItems([this] { return folderListItems(m_state); });
    folderPageButtons[0]->setAccessibleName(QStringLiteral("まえのフォルダ"));
    folderPageButtons[1]->setAccessibleName(QStringLiteral("つぎのフォルダ"));
    folderHeadingBand->setAccessibleName(QStringLiteral("クラス"));
    thumbnailPanel->setAccessibleName(QStringLiteral("しゃしんのページ"));
    thumbnailPanel->setAccessibleRole(QAccessible::List);
    thumbnailPanel->setDrawnItems([this] { return thumbnailItems(m_state); });
    thumbnailScroll->setAccessibleName(QStringLiteral("ページをめくる"));
    copyTargetPrompt->setAccessibleName(copyPromptFirstLine->text() + copyPromptSecondLine->text());
    photoHolder->setAccessibleName(QStringLiteral("しゃしん"));
}

// Tab goes from the folder list to the page and on to the buttons; the
// arrows then work inside the list or the page.
void MainWindow::setKeyboardOrder() {
    folderList->setFocusPolicy(Qt::StrongFocus);
    thumbnailPanel->setFocusPolicy(Qt::StrongFocus);
    QWidget* const order[] = {folderList,         thumbnailPanel,       deleteFolderButton,
                              renameFolderButton, saveToDatabaseButton, selectAllButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildClassPanel(QWidget* client) {
    classPanel = makePictureBox(client, QRect(120, 164, ClassPanelWidth, 261), ClassPanelColor);
    classPrompt = makeLabel(QStringLiteral("あなたのクラスをえらんでください。"), classPanel,
                            QRect(32, 12, 394, 27));
    classPrompt->setFont(designFont(PGothic, 20.25));
    saveDriveButton =
        makeButton(QStringLiteral("保存ドライブ"), classPanel, QRect(428, 8, 177, 33));
    for (int i = 0; i < ClassCount; ++i) {
        classButtons[i] = makeButton(classDisplayName(i), classPanel,
                                     QRect(8 + 100 * (i / 5), 52 + 40 * (i % 5), 97, 37));
        setFaceColor(classButtons[i], HeadingColor);
    }
}

void MainWindow::buildFolderList(QWidget* client) {
    folderList = makePictureBox(client, QRect(4, 4, 201, 341), FolderListColor);
    folderList->setTextFont(designFont(PGothic, 12));
    folderList->hide();

    folderHeadingBand = new QLabel(folderList);
    folderHeadingBand->setGeometry(0, 0, 197, 45);
    fillWith(folderHeadingBand, HeadingColor);

    // Transparent and reaching to the panel's edge, the heading shows any
    // class name whole without having to follow the length of its text.
    const QFont headingFont = designFont(PGothic, 18);
    classHeading = makeLabel(QString(), folderList,
                             QRect(56, 8, 201 - 56, QFontMetrics(headingFont).height()));
    classHeading->setFont(headingFont);

    const QFont arrowFont = designFont(PGothic, 18, true);
    folderPageButtons[0] = makeButton(QStringLiteral("<"), folderList, QRect(4, 4, 33, 33));
    folderPageButtons[1] = makeButton(QStringLiteral(">"), folderList, QRect(160, 4, 33, 33));
    for (QPushButton* button : folderPageButtons)
        button->setFont(arrowFont);

    deleteFolderButton = makeButton(QStringLiteral("けす"), client, QRect(4, 364, 69, 29));
    deleteFolderButton->hide();
    renameFolderButton =
        makeButton(QStringLiteral("名前をかえる"), client, QRect(76, 364, 125, 29));
    renameFolderButton->hide();
}

void MainWindow::buildThumbnailPanel(QWidget* client) {
    thumbnailPanel = makePictureBox(client, QRect(216, 20, 801, 477), ThumbnailPanelColor);
    thumbnailPanel->setTextFont(designFont(PGothic, 12));
    thumbnailPanel->hide();

    // The waiting notice lies under the panel's buttons and covers the page
    // being drawn.
    waitNotice =
        makeLabel(QStringLiteral("まってください"), thumbnailPanel, QRect(120, 100, 166, 27));
    waitNotice->setFont(designFont(PMincho, 20.25, true));
    fillWith(waitNotice, ThumbnailPanelColor);

    saveToDatabaseButton =
        makeButton(QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽに保存する"), thumbnailPanel, QRect(8, 4, 201, 33));
    selectAllButton =
        makeButton(QStringLiteral("すべてをえらぶ"), thumbnailPanel, QRect(628, 4, 149, 29));
    thumbnailScroll = new PageScrollBar(Qt::Vertical, thumbnailPanel);
    thumbnailScroll->setGeometry(392, 4, 29, 461);
    // Each page costs a decode of every photo on it, so a drag redraws only
    // where the thumb is let go.
    thumbnailScroll->setTracking(false);

    copyTargetPrompt = makePictureBox(thumbnailPanel, QRect(170, 196, 321, 171),
                                      QApplication::palette().color(QPalette::Button));
    copyTargetPrompt->hide();
    copyPromptFirstLine = makeLabel(QStringLiteral("しゃしんをコピーするフォルダは"),
                                    copyTargetPrompt, QRect(32, 14, 248, 19));
    copyPromptSecondLine =
        makeLabel(QStringLiteral("どこですか？"), copyTargetPrompt, QRect(32, 40, 104, 19));
    cancelCopyButton =
        makeButton(QStringLiteral("キャンセル"), copyTargetPrompt, QRect(112, 96, 107, 39));
}

void MainWindow::buildPhotoHolder(QWidget* client) {
    photoHolder = makePictureBox(client, QRect(178, 366, 177, 113),
                                 QApplication::palette().color(QPalette::Button));
    photoHolder->setAutoSize(true);
    photoHolder->hide();
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    // Menus keep the system's menu size rather than the window's large font,
    // and sit close together so that every item fits on the small window's
    // one line.
    bar->setFont(designFont(PGothic, 9));
    auto* keysStyle = new MenuKeysStyle;
    keysStyle->setParent(bar);
    bar->setStyle(keysStyle);
    bar->setStyleSheet(MenuBarStyle);

    quitAction = bar->addAction(QStringLiteral("おわり"));
    importAction = bar->addAction(QStringLiteral("フロッピーから取り込む"));
    saveToDriveAction = bar->addAction(QStringLiteral("フロッピーへほぞん"));

    editMenu = bar->addMenu(QStringLiteral("しゃしんファイルのへんしゅう"));
    copyAction = editMenu->addAction(QStringLiteral("コピー"));
    deleteAction = editMenu->addAction(QStringLiteral("さくじょ（けす）"));
    pasteAction = editMenu->addAction(QStringLiteral("はる"));
    editSeparator = editMenu->addSeparator();
    otherFolderAction = editMenu->addAction(QStringLiteral("他のフォルダを見る"));
    makeFolderAction = editMenu->addAction(QStringLiteral("フォルダをつくる"));
    trashAction = editMenu->addAction(QStringLiteral("ごみばこ"));

    printMenu = bar->addMenu(QStringLiteral("いんさつ"));
    printOneAction = printMenu->addAction(QStringLiteral("１シートに，１まいずつ"));
    printTwoAction = printMenu->addAction(QStringLiteral("１シートに，２まいずつ"));
    printEightAction = printMenu->addAction(QStringLiteral("１シートに，８まいずつ"));
    printEighteenAction = printMenu->addAction(QStringLiteral("１シートに，１８まいずつ"));

    slideShowAction = bar->addAction(QStringLiteral("スライドショー"));
    clipAction = bar->addAction(QStringLiteral("クリップボード"));
    switchToDatabaseAction = bar->addAction(QStringLiteral("データベースに切りかえ"));
    settingsAction = bar->addAction(QStringLiteral("環境設定"));

    for (QAction* hidden :
         {importAction, saveToDriveAction, editMenu->menuAction(), printMenu->menuAction(),
          slideShowAction, clipAction, switchToDatabaseAction})
        hidden->setVisible(false);
}

void MainWindow::load() {
    if (m_loaded)
        return;
    m_loaded = true;

    m_state.screen.ScreenWidthPx = m_services.screen.widthPx();
    m_layout = mainWindowLayoutFor(m_state.screen.ScreenWidthPx);

    thumbnailScroll->setGeometry(m_layout.thumbnailScroll);
    // One position is one row of thumbnails; a click in the track turns a page.
    thumbnailScroll->setPageStep(thumbColumnsFor(m_state.screen.ScreenWidthPx));
    thumbnailPanel->setGeometry(m_layout.thumbnailPanel);
    folderList->setGeometry(m_layout.folderList);
    classPanel->move(roundHalfEven(m_layout.classPanelLeft), m_layout.classPanelTop);
    deleteFolderButton->move(deleteFolderButton->x(), m_layout.folderButtonsTop);
    renameFolderButton->move(renameFolderButton->x(), m_layout.folderButtonsTop);
    saveToDatabaseButton->setGeometry(m_layout.saveToDatabaseButton);
    selectAllButton->setGeometry(m_layout.selectAllButton);
    if (m_layout.smallTopButtons) {
        const QFont smaller = designFont(PGothic, 12);
        saveToDatabaseButton->setFont(smaller);
        selectAllButton->setFont(smaller);
    }

    fitOuterSize();
    move(centredWindowLeft(m_state.screen.ScreenWidthPx, m_layout.windowSize.width()), 0);
    // A pupil's first step is choosing the class: Tab and Space start there.
    classButtons[0]->setFocus();
}

void MainWindow::showFolderCommands() {
    for (QAction* action :
         {switchToDatabaseAction, clipAction, importAction, editMenu->menuAction(),
          saveToDriveAction, slideShowAction, printMenu->menuAction()})
        action->setVisible(true);
    deleteFolderButton->show();
    renameFolderButton->show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closeRequested();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitOuterSize();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitOuterSize();
}

void MainWindow::fitOuterSize() {
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
