// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window.h"

#include "core/geometry/fitting.h"
#include "core/services/screen_service.h"
#include "core/services/services.h"
#include "core/state/class_names.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/folder_list.h"
#include "ui/main_window/lock_wait_indicator.h"
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
    : QMainWindow(parent), m_state(state), m_services(services),
      m_view(state, services, m_controls) {
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
    nameControls();
    announceControls();
    announceMenus();
    handlePageKeys();
}

// The controls go after the members their connections use, and the folder
// list, losing the keys as they go, tells so: nobody may be listening then.
MainWindow::~MainWindow() {
    disconnect(m_controls.folderList, nullptr, this, nullptr);
}

void MainWindow::nameForScreenReaders() {
    m_controls.classPanel->setAccessibleName(QStringLiteral("クラスをえらぶ"));
    m_controls.folderList->setAccessibleName(QStringLiteral("フォルダのいちらん"));
    m_controls.folderList->setAccessibleRole(QAccessible::List);
    m_controls.folderList->setDrawnItems([this] { return folderListItems(m_state); });
    m_controls.folderPageButtons[0]->setAccessibleName(QStringLiteral("まえのフォルダ"));
    m_controls.folderPageButtons[1]->setAccessibleName(QStringLiteral("つぎのフォルダ"));
    m_controls.folderHeadingBand->setAccessibleName(QStringLiteral("クラス"));
    m_controls.thumbnailPanel->setAccessibleName(QStringLiteral("しゃしんのページ"));
    m_controls.thumbnailPanel->setAccessibleRole(QAccessible::List);
    m_controls.thumbnailPanel->setDrawnItems([this] { return thumbnailItems(m_state); });
    m_controls.thumbnailScroll->setAccessibleName(QStringLiteral("ページをめくる"));
    m_controls.copyTargetPrompt->setAccessibleName(m_controls.copyPromptFirstLine->text() +
                                                   m_controls.copyPromptSecondLine->text());
    m_controls.photoHolder->setAccessibleName(QStringLiteral("しゃしん"));
}

// Tab goes from the folder list to the page and on to the buttons; the
// arrows then work inside the list or the page.
void MainWindow::setKeyboardOrder() {
    m_controls.folderList->setFocusPolicy(Qt::StrongFocus);
    m_controls.thumbnailPanel->setFocusPolicy(Qt::StrongFocus);
    QWidget* const order[] = {m_controls.folderList,           m_controls.thumbnailPanel,
                              m_controls.deleteFolderButton,   m_controls.renameFolderButton,
                              m_controls.saveToDatabaseButton, m_controls.selectAllButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildClassPanel(QWidget* client) {
    m_controls.classPanel =
        makePictureBox(client, QRect(120, 164, ClassPanelWidth, 261), ClassPanelColor);
    m_controls.classPrompt = makeLabel(QStringLiteral("あなたのクラスをえらんでください。"),
                                       m_controls.classPanel, QRect(32, 12, 394, 27));
    m_controls.classPrompt->setFont(designFont(PGothic, 20.25));
    m_controls.saveDriveButton =
        makeButton(QStringLiteral("保存ドライブ"), m_controls.classPanel, QRect(428, 8, 177, 33));
    for (int i = 0; i < ClassCount; ++i) {
        m_controls.classButtons[i] =
            makeButton(classDisplayName(i), m_controls.classPanel,
                       QRect(8 + 100 * (i / 5), 52 + 40 * (i % 5), 97, 37));
        setFaceColor(m_controls.classButtons[i], HeadingColor);
    }
}

void MainWindow::buildFolderList(QWidget* client) {
    m_controls.folderList = makePictureBox(client, QRect(4, 4, 201, 341), FolderListColor);
    m_controls.folderList->setTextFont(designFont(PGothic, 12));
    m_controls.folderList->hide();

    m_controls.folderHeadingBand = new QLabel(m_controls.folderList);
    m_controls.folderHeadingBand->setGeometry(0, 0, 197, 45);
    fillWith(m_controls.folderHeadingBand, HeadingColor);

    // Transparent and reaching to the panel's edge, the heading shows any
    // class name whole without having to follow the length of its text.
    const QFont headingFont = designFont(PGothic, 18);
    m_controls.classHeading = makeLabel(QString(), m_controls.folderList,
                                        QRect(56, 8, 201 - 56, QFontMetrics(headingFont).height()));
    m_controls.classHeading->setFont(headingFont);

    const QFont arrowFont = designFont(PGothic, 18, true);
    m_controls.folderPageButtons[0] =
        makeButton(QStringLiteral("<"), m_controls.folderList, QRect(4, 4, 33, 33));
    m_controls.folderPageButtons[1] =
        makeButton(QStringLiteral(">"), m_controls.folderList, QRect(160, 4, 33, 33));
    for (QPushButton* button : m_controls.folderPageButtons)
        button->setFont(arrowFont);

    m_controls.deleteFolderButton =
        makeButton(QStringLiteral("けす"), client, QRect(4, 364, 69, 29));
    m_controls.deleteFolderButton->hide();
    m_controls.renameFolderButton =
        makeButton(QStringLiteral("名前をかえる"), client, QRect(76, 364, 125, 29));
    m_controls.renameFolderButton->hide();
}

void MainWindow::buildThumbnailPanel(QWidget* client) {
    m_controls.thumbnailPanel =
        makePictureBox(client, QRect(216, 20, 801, 477), ThumbnailPanelColor);
    m_controls.thumbnailPanel->setTextFont(designFont(PGothic, 12));
    m_controls.thumbnailPanel->hide();

    // The waiting notice lies under the panel's buttons and covers the page
    // being drawn.
    m_controls.waitNotice = makeLabel(QStringLiteral("まってください"), m_controls.thumbnailPanel,
                                      QRect(120, 100, 166, 27));
    m_controls.waitNotice->setFont(designFont(PMincho, 20.25, true));
    fillWith(m_controls.waitNotice, ThumbnailPanelColor);

    m_controls.saveToDatabaseButton = makeButton(QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽに保存する"),
                                                 m_controls.thumbnailPanel, QRect(8, 4, 201, 33));
    m_controls.selectAllButton = makeButton(QStringLiteral("すべてをえらぶ"),
                                            m_controls.thumbnailPanel, QRect(628, 4, 149, 29));
    m_controls.thumbnailScroll = new PageScrollBar(Qt::Vertical, m_controls.thumbnailPanel);
    m_controls.thumbnailScroll->setGeometry(392, 4, 29, 461);
    // Each page costs a decode of every photo on it, so a drag redraws only
    // where the thumb is let go.
    m_controls.thumbnailScroll->setTracking(false);

    m_controls.copyTargetPrompt =
        makePictureBox(m_controls.thumbnailPanel, QRect(170, 196, 321, 171),
                       QApplication::palette().color(QPalette::Button));
    m_controls.copyTargetPrompt->hide();
    m_controls.copyPromptFirstLine = makeLabel(QStringLiteral("しゃしんをコピーするフォルダは"),
                                               m_controls.copyTargetPrompt, QRect(32, 14, 248, 19));
    m_controls.copyPromptSecondLine = makeLabel(
        QStringLiteral("どこですか？"), m_controls.copyTargetPrompt, QRect(32, 40, 104, 19));
    m_controls.cancelCopyButton = makeButton(QStringLiteral("キャンセル"),
                                             m_controls.copyTargetPrompt, QRect(112, 96, 107, 39));
}

void MainWindow::buildPhotoHolder(QWidget* client) {
    m_controls.photoHolder = makePictureBox(client, QRect(178, 366, 177, 113),
                                            QApplication::palette().color(QPalette::Button));
    m_controls.photoHolder->setAutoSize(true);
    m_controls.photoHolder->hide();
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

    m_controls.quitAction = bar->addAction(QStringLiteral("おわり"));
    m_controls.importAction = bar->addAction(QStringLiteral("フロッピーから取り込む"));
    m_controls.saveToDriveAction = bar->addAction(QStringLiteral("フロッピーへほぞん"));

    m_controls.editMenu = bar->addMenu(QStringLiteral("しゃしんファイルのへんしゅう"));
    m_controls.copyAction = m_controls.editMenu->addAction(QStringLiteral("コピー"));
    m_controls.deleteAction = m_controls.editMenu->addAction(QStringLiteral("さくじょ（けす）"));
    m_controls.pasteAction = m_controls.editMenu->addAction(QStringLiteral("はる"));
    m_controls.editSeparator = m_controls.editMenu->addSeparator();
    m_controls.otherFolderAction =
        m_controls.editMenu->addAction(QStringLiteral("他のフォルダを見る"));
    m_controls.makeFolderAction =
        m_controls.editMenu->addAction(QStringLiteral("フォルダをつくる"));
    m_controls.trashAction = m_controls.editMenu->addAction(QStringLiteral("ごみばこ"));

    m_controls.printMenu = bar->addMenu(QStringLiteral("いんさつ"));
    m_controls.printOneAction =
        m_controls.printMenu->addAction(QStringLiteral("１シートに，１まいずつ"));
    m_controls.printTwoAction =
        m_controls.printMenu->addAction(QStringLiteral("１シートに，２まいずつ"));
    m_controls.printEightAction =
        m_controls.printMenu->addAction(QStringLiteral("１シートに，８まいずつ"));
    m_controls.printEighteenAction =
        m_controls.printMenu->addAction(QStringLiteral("１シートに，１８まいずつ"));

    m_controls.slideShowAction = bar->addAction(QStringLiteral("スライドショー"));
    m_controls.clipAction = bar->addAction(QStringLiteral("クリップボード"));
    m_controls.switchToDatabaseAction = bar->addAction(QStringLiteral("データベースに切りかえ"));
    m_controls.settingsAction = bar->addAction(QStringLiteral("環境設定"));

    for (QAction* hidden :
         {m_controls.importAction, m_controls.saveToDriveAction, m_controls.editMenu->menuAction(),
          m_controls.printMenu->menuAction(), m_controls.slideShowAction, m_controls.clipAction,
          m_controls.switchToDatabaseAction})
        hidden->setVisible(false);
}

void MainWindow::load() {
    if (m_loaded)
        return;
    m_loaded = true;

    m_state.screen.ScreenWidthPx = m_services.screen.widthPx();
    m_layout = mainWindowLayoutFor(m_state.screen.ScreenWidthPx);

    m_controls.thumbnailScroll->setGeometry(m_layout.thumbnailScroll);
    // One position is one row of thumbnails; a click in the track turns a page.
    m_controls.thumbnailScroll->setPageStep(thumbColumnsFor(m_state.screen.ScreenWidthPx));
    m_controls.thumbnailPanel->setGeometry(m_layout.thumbnailPanel);
    m_controls.folderList->setGeometry(m_layout.folderList);
    m_controls.classPanel->move(roundHalfEven(m_layout.classPanelLeft), m_layout.classPanelTop);
    m_controls.deleteFolderButton->move(m_controls.deleteFolderButton->x(),
                                        m_layout.folderButtonsTop);
    m_controls.renameFolderButton->move(m_controls.renameFolderButton->x(),
                                        m_layout.folderButtonsTop);
    m_controls.saveToDatabaseButton->setGeometry(m_layout.saveToDatabaseButton);
    m_controls.selectAllButton->setGeometry(m_layout.selectAllButton);
    if (m_layout.smallTopButtons) {
        const QFont smaller = designFont(PGothic, 12);
        m_controls.saveToDatabaseButton->setFont(smaller);
        m_controls.selectAllButton->setFont(smaller);
    }

    fitOuterSize();
    move(centredWindowLeft(m_state.screen.ScreenWidthPx, m_layout.windowSize.width()), 0);
    // A pupil's first step is choosing the class: Tab and Space start there.
    m_controls.classButtons[0]->setFocus();
}

void MainWindow::showLockWaitsOf(FileSystem& files) {
    new LockWaitIndicator(*m_controls.waitNotice, files);
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
