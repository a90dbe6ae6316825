#include "folders/select_all.h"

#include "browser/marks.h"
#include "main_window/program.h"
#include "state/program_state.h"

void selectAllPhotos(Program& program) {
    ProgramState& state = program.state;
    bool anyUnmarked = false;
    for (int i = 1; i <= state.PhotoCount; ++i) {
        anyUnmarked = anyUnmarked || state.PhotoMarks[i] == 0;
        state.PhotoMarks[i] = 1;
    }
    if (!anyUnmarked)
        state.clearMarks(state.PhotoCount);
    DrawMarkCaptions(program);
}
