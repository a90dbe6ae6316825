// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/print_photo_sheets.h"

#include "core/commands/app_context.h"
#include "core/commands/sheet_printer.h"
#include "core/files/file_system.h"
#include "core/geometry/fit_inside.h"
#include "core/geometry/rounding.h"
#include "core/geometry/sheet_layout.h"
#include "core/imaging/bitmap_file.h"
#include "core/imaging/photo_reader.h"
#include "core/services/message_service.h"
#include "core/services/printer_service.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

#include <QDir>
#include <algorithm>

namespace {
const QString NothingMarkedText = QStringLiteral("マークされたしゃしんがありません。");
const QString UnprintedText = QStringLiteral("いんさつできなかったしゃしんがあります。");
const QString BitmapName = QStringLiteral("PRIMG.BMP");

// The photo upright, fitted inside bound in its own proportions and never
// enlarged: a cell needs no more pixels than that, and a camera photo at full
// size would make the bitmap and the sheet many times larger for nothing. A
// null image when it cannot be decoded.
QImage decodeForCell(PhotoReader& photo, const QSize& bound) {
    const QSize size = photo.uprightSize();
    const QSize target = fittedSize(size, bound);
    if (target.width() >= size.width())
        return photo.whole();
    return photo.scaled(target);
}

// Writes the photo to the temporary bitmap, turned to the left when turn is
// set; false, with no bitmap left, when the photo cannot be decoded or the
// bitmap cannot be written.
bool writePhotoBitmap(PhotoReader& photo, QSize bound, bool turn, const QString& bitmap) {
    if (turn)
        bound.transpose();
    const QImage picture = decodeForCell(photo, bound);
    if (picture.isNull() || !saveBitmap(picture, bitmap)) {
        removeBitmap(bitmap);
        return false;
    }
    if (turn)
        RotateL(bitmap, bitmap);
    return true;
}

int countMarkedPhotos(const ProgramState& state) {
    int count = 0;
    for (int p = 1; p <= state.PhotoCount; ++p)
        if (state.PhotoMarks[p] == 1)
            ++count;
    return count;
}

// A landscape photo is turned when the layout turns photos, so that it fills
// the sheet's portrait cell; a portrait or square one stays upright.
bool turnsPhoto(const SheetLayout& layout, const QSize& size) {
    return layout.Turned && size.width() > size.height();
}
} // namespace

void printPhotoSheets(AppContext& program, const SheetLayout& layout) {
    ProgramState& state = program.state;
    Services& services = program.services;

    state.SelectedCount = countMarkedPhotos(state);
    if (state.SelectedCount == 0) {
        services.messages.inform(NothingMarkedText);
        return;
    }
    if (!services.messages.askYesNo(layout.Question)) {
        services.messages.beep();
        return;
    }

    SheetPrinter printer(services.printer);
    // The job starts with the first photo that can be printed, so photos that
    // cannot be decoded never make a blank sheet.
    bool jobStarted = false;
    const auto beginJob = [&] {
        printer.setSetting(SheetPrinter::Setting9, 0);
        printer.setSetting(SheetPrinter::Setting55, 0);
        printer.setSetting(SheetPrinter::Setting126, 0);
        printer.setSetting(SheetPrinter::Setting91, 0);
        printer.beginJob();
        printer.setSetting(SheetPrinter::Setting9, 0);
        printer.setSetting(SheetPrinter::Setting36, 0);
        jobStarted = true;
    };

    const bool onePerSheet = layout.PhotosPerSheet == 1;
    const QString bitmap = QDir(services.printer.scratchFolder()).filePath(BitmapName);
    bool firstPhoto = true;
    // From here on SelectedCount holds the index of the cell on the sheet, and
    // ImageWidth and ImageHeight the sheet's drawable size in twips.
    int& cellOnSheet = state.SelectedCount;
    int& sheetWidth = state.ImageWidth;
    int& sheetHeight = state.ImageHeight;
    bool somePhotoFailed = false;
    if (!onePerSheet)
        cellOnSheet = 0;
    for (state.PrintPos = 1; state.PrintPos <= state.PhotoCount; ++state.PrintPos) {
        if (state.PhotoMarks[state.PrintPos] == 0)
            continue;
        PhotoReader photo(services.files.hostPath(state.PhotoPaths[state.PrintPos]));
        const QSize size = photo.uprightSize();
        const int nextCell = onePerSheet ? 1 : state.SelectedCount % layout.PhotosPerSheet + 1;
        if (!size.isValid() || !writePhotoBitmap(photo, cellPixelsAt300Dpi(layout, nextCell),
                                                 turnsPhoto(layout, size), bitmap)) {
            somePhotoFailed = true;
            continue;
        }
        if (!jobStarted)
            beginJob();

        if (onePerSheet) {
            if (!firstPhoto)
                printer.newSheet();
        } else {
            ++cellOnSheet;
            if (!firstPhoto && cellOnSheet == layout.PhotosPerSheet + 1) {
                printer.newSheet();
                cellOnSheet = 1;
            }
        }
        firstPhoto = false;
        const int cellIndex = onePerSheet ? 1 : cellOnSheet;

        printer.setDrawLeft(0);
        printer.setDrawTop(0);
        printer.setDrawRight(0);
        printer.setDrawBottom(0);
        const QImage picture = loadBitmap(bitmap);
        printer.setPicture(picture);
        printer.drawRight();
        printer.drawBottom();

        sheetWidth = roundHalfEven(printer.sheetWidth());
        sheetHeight = roundHalfEven(printer.sheetHeight());

        const CellEdges cell = cellEdges(layout, cellIndex, sheetWidth, sheetHeight);
        const QRectF drawn =
            fitInside(QSizeF(picture.size()),
                      QRectF(QPointF(cell.Left, cell.Top), QPointF(cell.Right, cell.Bottom)));
        printer.setDrawLeft(drawn.left());
        printer.setDrawTop(drawn.top());
        printer.setDrawRight(drawn.right());
        printer.setDrawBottom(drawn.bottom());
        printer.setPicture(picture);
    }
    removeBitmap(bitmap);

    if (jobStarted) {
        printer.setSetting(SheetPrinter::Setting9, 0);
        printer.endJob();
        printer.status();
    }
    if (somePhotoFailed)
        services.messages.inform(UnprintedText);

    program.view.drawThumbnailPage();
}
