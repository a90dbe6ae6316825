#include "browser/marks.h"

#include "browser/thumbnail_caption.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "platform_gui/picture_box.h"
#include "state/program_state.h"
#include "state/screen_mode.h"

void DrawMarkCaptions(AppContext& program) {
    ProgramState& state = program.state;
    const PageRange page = currentPage(state);
    const bool large = isLargeGrid(state.ScreenWidthPx);
    PictureBox& panel = *program.form.Picture1;
    for (int index = 0; index < page.count; ++index) {
        const int number = page.first + index + 1;
        const ThumbCell cell =
            thumbCell(large, index % state.ThumbColumns, index / state.ThumbColumns, {});
        drawCaption(panel, cell, number, state.PhotoMarks[number] != 0);
    }
    panel.update();
}

int toggleMarkOrPickToClip(AppContext& program, Qt::MouseButton button, QPoint pos) {
    ProgramState& state = program.state;
    if (state.PickMode > 0)
        return 0;
    const int number = photoNumberAt(pos, {isLargeGrid(state.ScreenWidthPx), state.ThumbColumns,
                                           state.ThumbTopRow, state.PhotoCount});
    if (number == 0)
        return 0;
    if (button == Qt::RightButton)
        return number;
    state.PhotoMarks[number] = state.PhotoMarks[number] ? 0 : 1;
    DrawMarkCaptions(program);
    return 0;
}
