#include "core/commands/select_all.h"

#include "core/state/program_state.h"
#include "ui/main_window/app_context.h"
#include "ui/main_window/marks.h"

void selectAllPhotos(AppContext& program) {
    ProgramState& state = program.state;
    bool anyUnmarked = false;
    for (int i = 1; i <= state.PhotoCount; ++i) {
        anyUnmarked = anyUnmarked || state.PhotoMarks[i] == 0;
        state.PhotoMarks[i] = 1;
    }
    if (!anyUnmarked)
        state.clearMarks(state.PhotoCount);
    drawMarkCaptions(program);
}
