// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/geometry/sheet_layout.h"

#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <vector>

// One photo's place in a print job: the sheet (0 for the first) and the cell
// on it (1..PhotosPerSheet).
struct SheetPlacement {
    int photo;
    int sheet;
    int cell;

    bool operator==(const SheetPlacement&) const = default;
};

// Where each of photos goes, in the order given: the cells of a sheet fill in
// their order and a full sheet is followed by a new one, so n photos take
// ceiling(n / PhotosPerSheet) sheets and only the last can be partly filled.
std::vector<SheetPlacement> planSheets(const SheetLayout& layout, const std::vector<int>& photos);

// Whether a photo of the upright size is turned to the left before printing:
// a landscape photo in a layout that turns photos, so that it fills the
// sheet's portrait cell; a portrait or square one stays upright.
bool turnsPhoto(const SheetLayout& layout, const QSize& photo);

// Where a picture is drawn in its cell on a sheet of the given drawable size
// in twips: the sheet's sides rounded to whole twips (a half to even), the
// cell's edges the layout's fractions of them, and the picture as large as
// fits inside the cell, centred, in its own proportions.
QRectF pictureRect(const SheetLayout& layout, int cell, const QSizeF& sheet, const QSize& picture);
