// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/thumbnail_geometry.h"

#include <QColor>
#include <QSize>
#include <QString>

class PictureBox;

// How a thumbnail's caption bar shows whether its photo is marked.
struct CaptionStyle {
    QColor bar;
    QColor text;
    QString caption;
};

CaptionStyle captionStyle(int photoNumber, bool marked);

// Fills the caption bar, outlines the cell and prints the caption.
void drawCaption(PictureBox& panel, const ThumbCell& cell, int photoNumber, bool marked);
