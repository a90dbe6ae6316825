#pragma once

struct MainWindowContext;

// Draws the page of thumbnails that starts at ThumbTopRow, behind the waiting
// label, cell by cell as the photos are ready; returns when the page is drawn.
// The pages after and before it are then made in the background.
void drawThumbnailPage(MainWindowContext& main);

// Draws the title box with FolderTitle over whatever the panel shows.
void drawFolderTitle(MainWindowContext& main);
