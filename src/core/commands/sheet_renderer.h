// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class PrinterService;
struct SheetLayout;

// Prints the photos (host paths, in print order) on sheets of the layout
// through the print control, each by way of the temporary bitmap "PRIMG.BMP"
// in the printer's scratch folder, which is gone afterwards. A photo that
// cannot be decoded is left out and the photos after it move up a cell; the
// job starts with the first photo that can be printed, so no blank sheet is
// ever printed. Returns how many photos were left out.
int printOnSheets(PrinterService& printer, const SheetLayout& layout, const QStringList& photos);
