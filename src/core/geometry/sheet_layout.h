// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

// The four ways of putting marked photos on sheets: how many photos a sheet
// holds, whether a landscape photo is turned first to fill the sheet's one
// portrait cell, the question asked before printing, and the cell of each
// photo on its sheet.
struct SheetLayout {
    int PhotosPerSheet;
    bool Turned;
    QString Question;
};

const SheetLayout& oneToASheet();
const SheetLayout& twoToASheet();
const SheetLayout& eightToASheet();
const SheetLayout& eighteenToASheet();

// A cell in the units of the sheet size it was worked out from.
struct CellEdges {
    double Left;
    double Top;
    double Right;
    double Bottom;
};

// The cell of cellIndex (1..PhotosPerSheet) on a sheet of width w and height
// h: each edge a fraction of w or h, unrounded. Cells run top to bottom, then
// column by column.
CellEdges cellEdges(const SheetLayout& layout, int cellIndex, double w, double h);

// The most pixels a photo needs to fill its cell at 300 dots per inch on a
// whole A4 sheet (no drawable area is larger).
QSize cellPixelsAt300Dpi(const SheetLayout& layout, int cellIndex);
