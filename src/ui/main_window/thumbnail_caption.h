#pragma once

#include "core/geometry/thumbnail_geometry.h"

#include <QColor>
#include <QSize>
#include <QString>

class PictureBox;
struct ProgramState;

// How a thumbnail's caption bar shows whether its photo is marked.
struct CaptionStyle {
    QColor bar;
    QColor text;
    QString caption;
};

CaptionStyle captionStyle(int photoNumber, bool marked);

// Fills the caption bar, outlines the cell and prints the caption.
void drawCaption(PictureBox& panel, const ThumbCell& cell, int photoNumber, bool marked);

// The photos of the page that starts at ThumbTopRow, after the page
// correction (which it applies to the state).
struct PageRange {
    int first = 0; // photos first + 1 .. first + count
    int count = 0;
};
PageRange currentPage(ProgramState& state);
