// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/folder_hit_test.h"

#include "core/state/program_state.h"

#include <algorithm>

int folderRowAt(const ProgramState& state, int y) {
    if (state.FolderTable.count() <= 0)
        return 0;
    const int row = state.FolderListTop + (y - 20) / 34;
    // A page scrolled past the last folder still gives a folder that exists.
    return std::min(std::max(row, state.FolderListTop + 1), state.FolderTable.count());
}
