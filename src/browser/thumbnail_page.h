#pragma once

struct Program;

// Draws the page of thumbnails that starts at ThumbTopRow, behind the waiting
// label, cell by cell as the photos are ready; returns when the page is drawn.
void DrawThumbnailPage(Program& program);

// Draws the title box with FolderTitle over whatever the panel shows.
void DrawFolderTitle(Program& program);

// The scroll bar moved to position.
void onThumbnailScroll(Program& program, int position);
