// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/selection.h"

#include "core/commands/app_context.h"
#include "core/services/message_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

#include <algorithm>

void collectMarkedPhotos(ProgramState& state, int keep) {
    state.selection.SelectedCount = 0;
    for (int i = 1; i <= state.folder.PhotoCount; ++i) {
        if (state.folder.PhotoMarks[i] != 1)
            continue;
        ++state.selection.SelectedCount;
        if (state.selection.SelectedCount <= keep)
            state.selection.SelectedPaths[state.selection.SelectedCount] =
                state.folder.PhotoPaths[i];
    }
}

bool collectMarkedPhotosOrInform(AppContext& program) {
    collectMarkedPhotos(program.state);
    if (program.state.selection.SelectedCount > 0)
        return true;
    program.services.messages.inform(NothingMarkedMessage);
    return false;
}

QStringList collectedPaths(const ProgramState& state, int count) {
    QStringList paths;
    const int last = std::clamp(count, 0, MaxSelectedPhotos);
    for (int j = 1; j <= last; ++j)
        paths << state.selection.SelectedPaths[j];
    return paths;
}
