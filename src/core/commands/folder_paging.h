#pragma once

struct AppContext;

// The paging buttons of the folder list: index 0 ("<") shows the previous
// page, index 1 (">") the next one when there is one. The open folder and the
// thumbnails stay as they are.
void pageFolderList(AppContext& program, int index);
