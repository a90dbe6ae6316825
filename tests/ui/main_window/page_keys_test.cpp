// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/thumbnail_geometry.h"
#include "core/library/load_folder.h"
#include "support_library/library_fixture.h"
#include "ui/widgets/picture_box.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <tuple>

namespace {

const QColor FocusOrange(255, 96, 0);

// 30 photos on the large grid: five to a row, 25 to a page, six rows.
struct KeyCase {
    const char* start; // "first", "last on page", "last photo" or "empty"
    Qt::Key key;
    int focus;
    int topRow;
};

class PageKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PageKeys, MoveTheFocusAndTurnThePage) {
    const KeyCase& c = GetParam();
    const std::string start = c.start;
    LibraryRig rig;
    rig.state.folder.PhotoFolder = rig.classFolder + QStringLiteral("\\IMG_0001_a");
    rig.makePhotos(rig.state.folder.PhotoFolder, start == "empty" ? 0 : 30);
    loadFolder(rig.program);
    const auto press = [&rig](Qt::Key key) { QTest::keyClick(rig.form->thumbnailPanel, key); };
    if (start == "last on page") {
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right,
                            Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
            press(key);
        ASSERT_EQ(rig.state.folder.FocusedPhoto, 25);
    } else if (start == "last photo") {
        press(Qt::Key_End);
    }
    press(c.key);
    EXPECT_EQ(rig.state.folder.FocusedPhoto, c.focus);
    EXPECT_EQ(rig.state.folder.ThumbTopRow, c.topRow);
    EXPECT_EQ(rig.form->thumbnailScroll->value(), c.topRow);
    if (c.focus == 0)
        return;
    // The frame is drawn around the focused cell of the page shown.
    const int index = c.focus - 1 - 5 * c.topRow;
    const QRect frame = thumbCell(true, index % 5, index / 5, {}).frame();
    EXPECT_EQ(rig.panelColourAt(frame.topLeft() + QPoint(-1, 20)), FocusOrange);
    EXPECT_EQ(rig.state.folder.PhotoMarks[c.focus], c.key == Qt::Key_Space ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PageKeys,
    ::testing::Values(
        KeyCase{"first", Qt::Key_Right, 2, 0}, KeyCase{"first", Qt::Key_Left, 1, 0},
        KeyCase{"first", Qt::Key_Up, 1, 0}, KeyCase{"first", Qt::Key_Down, 6, 0},
        KeyCase{"first", Qt::Key_PageDown, 26, 5}, KeyCase{"first", Qt::Key_PageUp, 1, 0},
        KeyCase{"first", Qt::Key_End, 30, 1}, KeyCase{"first", Qt::Key_Space, 1, 0},
        KeyCase{"last on page", Qt::Key_Right, 26, 5}, KeyCase{"last on page", Qt::Key_Down, 30, 5},
        KeyCase{"last on page", Qt::Key_Left, 24, 0}, KeyCase{"last on page", Qt::Key_Up, 20, 0},
        KeyCase{"last photo", Qt::Key_Right, 30, 1}, KeyCase{"last photo", Qt::Key_Down, 30, 1},
        KeyCase{"last photo", Qt::Key_Up, 25, 1}, KeyCase{"last photo", Qt::Key_PageDown, 30, 1},
        KeyCase{"last photo", Qt::Key_PageUp, 25, 0}, KeyCase{"last photo", Qt::Key_Home, 1, 0},
        KeyCase{"empty", Qt::Key_Right, 0, 0}, KeyCase{"empty", Qt::Key_End, 0, 0},
        KeyCase{"empty", Qt::Key_Space, 0, 0}));

// One notch is a row of thumbnails or a folder; Ctrl, or the scroll bar
// itself, makes it a page (five rows, eighteen folders).
TEST(Wheel, TurnsARowANotchAndAPageWithCtrlOrOverTheScrollBar) {
    LibraryRig rig;
    QStringList rows;
    for (int i = 1; i <= 40; ++i)
        rows << QStringLiteral("f%1,IMG_%2_f,2002/01/01 0,").arg(i).arg(i, 4, 10, QLatin1Char('0'));
    rig.writeIndexLines(rows);
    rig.makePhotos(rig.classFolder + QStringLiteral("\\IMG_0001_f"), 60);
    rig.openClassFolder();
    QWidget* const page = rig.form->thumbnailPanel;
    QWidget* const list = rig.form->folderList;
    const Qt::KeyboardModifier ctrl = Qt::ControlModifier;
    // Where the wheel turns, notches away from the user, Ctrl, and then the
    // page's top row and the list's top folder.
    const std::tuple<QWidget*, int, Qt::KeyboardModifiers, int, int> turns[] = {
        {page, 2, {}, 2, 0},  {page, 1, ctrl, 7, 0},  {rig.form->thumbnailScroll, -1, {}, 2, 0},
        {list, 1, {}, 2, 1},  {list, 1, ctrl, 2, 19}, {list, 1, ctrl, 2, 22},
        {list, -3, {}, 2, 19}};
    for (const auto& [over, notches, modifiers, topRow, listTop] : turns) {
        QWheelEvent event(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(over, &event);
        EXPECT_EQ(rig.state.folder.ThumbTopRow, topRow);
        EXPECT_EQ(rig.state.openClass.FolderListTop, listTop);
    }
}

} // namespace
