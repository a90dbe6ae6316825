#pragma once

#include "core/imaging/thumbnail_loader.h"
#include "ui/widgets/picture_box.h"

#include <QString>
#include <QStringList>

struct AppContext;
struct ProgramState;

// Draws the page of thumbnails that starts at ThumbTopRow, behind the waiting
// label, cell by cell as the photos are ready; returns when the page is drawn.
// The pages after and before it are then made in the background.
void drawThumbnailPage(AppContext& program);

// Draws the title box with FolderTitle over whatever the panel shows.
void drawFolderTitle(AppContext& program);

// The thumbnails of the page, named for a screen reader by their captions.
QList<PictureBox::DrawnItem> thumbnailItems(ProgramState& state);

// The scroll bar moved to position; the focus frame stays on the page.
void onThumbnailScroll(AppContext& program, int position);

// What the page asks the thumbnail loader for the photo at photoPath, in the
// current layout.
ThumbnailRequest thumbnailRequest(const AppContext& program, const QString& photoPath);

// Starts making the thumbnail of a photo that a page will soon show.
void prepareThumbnail(AppContext& program, const QString& photoPath);

// Makes the thumbnails of the first page of photoPaths in memory, without
// drawing them; returns once they are made.
void makeOpeningPage(AppContext& program, const QStringList& photoPaths);
