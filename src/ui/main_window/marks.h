#pragma once

#include <QPoint>
#include <Qt>

struct AppContext;

// Redraws the caption bars and frames of the page from the marks, without
// touching the pictures.
void drawMarkCaptions(AppContext& program);

// A mouse button went down on the thumbnail panel. Left and middle clicks
// toggle the mark of the photo under the mouse. Returns the photo number a
// right click asks to clip, else 0.
int toggleMarkOrPickToClip(AppContext& program, Qt::MouseButton button, QPoint pos);
