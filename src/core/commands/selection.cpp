// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/selection.h"

#include "core/commands/app_context.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

#include <algorithm>

void collectMarkedPhotos(ProgramState& state, int keep) {
    state.SelectedCount = 0;
    for (int i = 1; i <= state.PhotoCount; ++i) {
        if (state.PhotoMarks[i] != 1)
            continue;
        ++state.SelectedCount;
        if (state.SelectedCount <= keep)
            state.SelectedPaths[state.SelectedCount] = state.PhotoPaths[i];
    }
}

bool collectMarkedPhotosOrInform(AppContext& program) {
    collectMarkedPhotos(program.state);
    if (program.state.SelectedCount > 0)
        return true;
    program.services.messages.inform(NothingMarkedMessage);
    return false;
}

QStringList collectedPaths(const ProgramState& state, int count) {
    QStringList paths;
    const int last = std::clamp(count, 0, MaxSelectedPhotos);
    for (int j = 1; j <= last; ++j)
        paths << state.SelectedPaths[j];
    return paths;
}
