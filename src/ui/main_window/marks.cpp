#include "ui/main_window/marks.h"

#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/page_keys.h"
#include "ui/main_window/thumbnail_caption.h"
#include "ui/widgets/picture_box.h"

void drawMarkCaptions(AppContext& program) {
    ProgramState& state = program.state;
    const PageRange page = currentPage(state);
    const bool large = isLargeGrid(state.ScreenWidthPx);
    PictureBox& panel = *program.form.thumbnailPanel;
    for (int index = 0; index < page.count; ++index) {
        const int number = page.first + index + 1;
        const ThumbCell cell =
            thumbCell(large, index % state.ThumbColumns, index / state.ThumbColumns, {});
        drawCaption(panel, cell, number, state.PhotoMarks[number] != 0);
    }
    drawFocusFrame(program);
    panel.update();
}

int toggleMarkOrPickToClip(AppContext& program, Qt::MouseButton button, QPoint pos) {
    ProgramState& state = program.state;
    if (state.Pick != FolderPick::Open)
        return 0;
    const int number = photoNumberAt(pos, {isLargeGrid(state.ScreenWidthPx), state.ThumbColumns,
                                           state.ThumbTopRow, state.PhotoCount});
    if (number == 0)
        return 0;
    if (button == Qt::RightButton)
        return number;
    state.PhotoMarks[number] = state.PhotoMarks[number] ? 0 : 1;
    drawMarkCaptions(program);
    return 0;
}
