#include "printing/print_photo_sheets.h"

#include "browser/thumbnail_page.h"
#include "main_window/app_context.h"
#include "platform/bitmap_file.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/photo_reader.h"
#include "platform/printer_service.h"
#include "platform/services.h"
#include "printing/sheet_layout.h"
#include "printing/vs_printer.h"
#include "state/fit_inside.h"
#include "state/program_state.h"
#include "state/rounding.h"

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

void PrintPhotoSheets(AppContext& program, const SheetLayout& layout) {
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

    VSPrinter VSPrinter1(services.printer);
    // The job starts with the first photo that can be printed, so photos that
    // cannot be decoded never make a blank sheet.
    bool jobStarted = false;
    const auto beginJob = [&] {
        VSPrinter1.setSetting(VSPrinter::Setting9, 0);
        VSPrinter1.setSetting(VSPrinter::Setting55, 0);
        VSPrinter1.setSetting(VSPrinter::Setting126, 0);
        VSPrinter1.setSetting(VSPrinter::Setting91, 0);
        VSPrinter1.BeginJob();
        VSPrinter1.setSetting(VSPrinter::Setting9, 0);
        VSPrinter1.setSetting(VSPrinter::Setting36, 0);
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
                VSPrinter1.NewSheet();
        } else {
            ++cellOnSheet;
            if (!firstPhoto && cellOnSheet == layout.PhotosPerSheet + 1) {
                VSPrinter1.NewSheet();
                cellOnSheet = 1;
            }
        }
        firstPhoto = false;
        const int cellIndex = onePerSheet ? 1 : cellOnSheet;

        VSPrinter1.setDrawLeft(0);
        VSPrinter1.setDrawTop(0);
        VSPrinter1.setDrawRight(0);
        VSPrinter1.setDrawBottom(0);
        const QImage picture = loadBitmap(bitmap);
        VSPrinter1.setPicture(picture);
        VSPrinter1.DrawRight();
        VSPrinter1.DrawBottom();

        sheetWidth = roundHalfEven(VSPrinter1.SheetWidth());
        sheetHeight = roundHalfEven(VSPrinter1.SheetHeight());

        const CellEdges cell = cellEdges(layout, cellIndex, sheetWidth, sheetHeight);
        const QRectF drawn =
            fitInside(QSizeF(picture.size()),
                      QRectF(QPointF(cell.Left, cell.Top), QPointF(cell.Right, cell.Bottom)));
        VSPrinter1.setDrawLeft(drawn.left());
        VSPrinter1.setDrawTop(drawn.top());
        VSPrinter1.setDrawRight(drawn.right());
        VSPrinter1.setDrawBottom(drawn.bottom());
        VSPrinter1.setPicture(picture);
    }
    removeBitmap(bitmap);

    if (jobStarted) {
        VSPrinter1.setSetting(VSPrinter::Setting9, 0);
        VSPrinter1.EndJob();
        VSPrinter1.Status();
    }
    if (somePhotoFailed)
        services.messages.inform(UnprintedText);

    DrawThumbnailPage(program);
}
