// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/program_state.h"

#include <algorithm>

void OpenFolder::clearMarks(int count) {
    const int last = std::clamp(count, 0, MaxPhotos);
    std::fill(PhotoMarks.begin() + 1, PhotoMarks.begin() + 1 + last, 0);
}
