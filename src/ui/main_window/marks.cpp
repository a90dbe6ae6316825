// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/marks.h"

#include "core/imaging/thumbnail_pages.h"
#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_context.h"
#include "ui/main_window/page_keys.h"
#include "ui/main_window/thumbnail_caption.h"
#include "ui/widgets/picture_box.h"

void drawMarkCaptions(MainWindowContext& main) {
    ProgramState& state = main.state;
    const PageRange page = currentPage(state);
    const bool large = isLargeGrid(state.screen.ScreenWidthPx);
    PictureBox& panel = *main.window.thumbnailPanel;
    for (int index = 0; index < page.count; ++index) {
        const int number = page.first + index + 1;
        const ThumbCell cell = thumbCell(large, index % state.screen.ThumbColumns,
                                         index / state.screen.ThumbColumns, {});
        drawCaption(panel, cell, number, state.folder.PhotoMarks[number] != 0);
    }
    drawFocusFrame(main);
    panel.update();
}
