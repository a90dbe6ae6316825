// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/page_keys.h"

#include "core/commands/app_context.h"
#include "core/commands/browsing.h"
#include "core/geometry/page_focus.h"
#include "core/geometry/thumbnail_geometry.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_context.h"
#include "ui/widgets/picture_box.h"

#include <QScrollBar>
#include <algorithm>
#include <optional>

namespace {
const QColor PanelBackground(255, 255, 192);
const QColor FocusColour(255, 96, 0);

std::optional<PageKey> pageKeyOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return PageKey::Left;
    case Qt::Key_Right:
        return PageKey::Right;
    case Qt::Key_Up:
        return PageKey::Up;
    case Qt::Key_Down:
        return PageKey::Down;
    case Qt::Key_PageUp:
        return PageKey::PageUp;
    case Qt::Key_PageDown:
        return PageKey::PageDown;
    case Qt::Key_Home:
        return PageKey::Home;
    case Qt::Key_End:
        return PageKey::End;
    default:
        return std::nullopt;
    }
}

// Two one-pixel boxes just outside the frame; the gaps between cells hold
// them without touching a neighbour's ring.
void drawRing(PictureBox& panel, const QRect& frame, const QColor& colour) {
    for (int grow = 1; grow <= 2; ++grow)
        panel.drawBox(frame.adjusted(-grow, -grow, grow, grow), colour);
}

std::optional<QRect> focusFrameOf(const ProgramState& state, int photo) {
    const int columns = state.screen.ThumbColumns;
    const int index = photo - 1 - state.folder.ThumbTopRow * columns;
    if (photo <= 0 || photo > state.folder.PhotoCount || columns <= 0 || index < 0 ||
        index >= columns * columns)
        return std::nullopt;
    return thumbCell(isLargeGrid(state.screen.ScreenWidthPx), index % columns, index / columns, {})
        .frame();
}

void moveFocusFrame(AppContext& program, MainWindow& form, int photo) {
    PictureBox& panel = *form.thumbnailPanel;
    if (const std::optional<QRect> old =
            focusFrameOf(program.state, program.state.folder.FocusedPhoto))
        drawRing(panel, *old, PanelBackground);
    program.state.folder.FocusedPhoto = photo;
    MainWindowContext main{program.state, program.services, form};
    drawFocusFrame(main);
}

void turnPageTo(AppContext& program, MainWindow& form, const PageFocus& next) {
    QScrollBar& scroll = *form.thumbnailScroll;
    program.state.folder.FocusedPhoto = next.focus;
    if (scroll.value() != next.topRow)
        scroll.setValue(next.topRow);
    else
        scrollThumbnails(program, next.topRow);
}

void scrollFolderList(AppContext& program, int rows) {
    ProgramState& state = program.state;
    const int pageRows = folderListRowsFor(state.screen.ScreenWidthPx);
    const int last = std::max(
        {0, state.openClass.FolderTable.count() - pageRows, state.openClass.FolderListTop});
    const int top = std::clamp(state.openClass.FolderListTop + rows, 0, last);
    if (top == state.openClass.FolderListTop)
        return;
    state.openClass.FolderListTop = top;
    program.view.drawFolderList();
}
} // namespace

void drawFocusFrame(MainWindowContext& main) {
    if (const std::optional<QRect> frame = focusFrameOf(main.state, main.state.folder.FocusedPhoto))
        drawRing(*main.window.thumbnailPanel, *frame, FocusColour);
}

int onThumbnailKey(AppContext& program, MainWindow& form, int key, Qt::KeyboardModifiers) {
    ProgramState& state = program.state;
    if (state.folder.FocusedPhoto <= 0)
        return 0;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return state.folder.FocusedPhoto;
    if (key == Qt::Key_Space) {
        if (state.copy.Pick == FolderPick::Open) {
            int& mark = state.folder.PhotoMarks[state.folder.FocusedPhoto];
            mark = mark ? 0 : 1;
            program.view.drawMarkCaptions();
        }
        return 0;
    }
    const std::optional<PageKey> pageKey = pageKeyOf(key);
    if (!pageKey)
        return 0;
    const PageFocus next =
        pageFocusAfter({state.folder.ThumbTopRow, state.folder.FocusedPhoto}, *pageKey,
                       state.screen.ThumbColumns, state.folder.PhotoCount);
    if (next.topRow != state.folder.ThumbTopRow)
        turnPageTo(program, form, next);
    else
        moveFocusFrame(program, form, next.focus);
    return 0;
}

void onThumbnailWheel(MainWindow& form, int notches, Qt::KeyboardModifiers modifiers) {
    QScrollBar& scroll = *form.thumbnailScroll;
    const int step = modifiers & Qt::ControlModifier ? scroll.pageStep() : scroll.singleStep();
    scroll.setValue(scrolledRow(scroll.value(), -notches * step, scroll.maximum()));
}

int onFolderListKey(AppContext& program, int key) {
    ProgramState& state = program.state;
    const int count = state.openClass.FolderTable.count();
    if (count == 0 || state.openClass.FocusedFolderRow <= 0)
        return 0;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return state.openClass.FocusedFolderRow;
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return 0;
    state.openClass.FocusedFolderRow =
        std::clamp(state.openClass.FocusedFolderRow + (key == Qt::Key_Down ? 1 : -1), 1, count);
    const int pageRows = folderListRowsFor(state.screen.ScreenWidthPx);
    state.openClass.FolderListTop =
        std::clamp(state.openClass.FolderListTop, state.openClass.FocusedFolderRow - pageRows,
                   state.openClass.FocusedFolderRow - 1);
    program.view.drawFolderList();
    return 0;
}

void onFolderListWheel(AppContext& program, int notches, Qt::KeyboardModifiers modifiers) {
    const int step =
        modifiers & Qt::ControlModifier ? folderListRowsFor(program.state.screen.ScreenWidthPx) : 1;
    scrollFolderList(program, -notches * step);
}
