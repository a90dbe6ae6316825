// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// After photos of PhotoFolder were added or removed: clears the marks,
// recounts the folder's photos into index row `row` (its date stays), rewrites
// the index (telling the user when it cannot) and leaves PhotoCount at 0 for
// the reload that follows. A folder that cannot be listed keeps its count. Returns
// the folder's row afterwards, which in the shared database may have moved
// (0 when another machine removed it).
int recountFolderIntoRow(AppContext& program, int row);
