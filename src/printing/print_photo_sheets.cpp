#include "printing/print_photo_sheets.h"

#include "browser/thumbnail_page.h"
#include "main_window/program.h"
#include "platform/bitmap_file.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/photo_decoder.h"
#include "platform/printer_service.h"
#include "platform/services.h"
#include "printing/sheet_layout.h"
#include "printing/vs_printer.h"
#include "state/program_state.h"
#include "state/rounding.h"

#include <QDir>
#include <algorithm>

namespace {
const QString NothingMarkedText = QStringLiteral("マークされたしゃしんがありません。");
const QString BitmapName = QStringLiteral("PRIMG.BMP");

// The photo upright, at most bound in each direction: a cell needs no more
// pixels than that, and a camera photo at full size would make the bitmap and
// the sheet many times larger for nothing. A null image when it cannot be
// decoded.
QImage decodeForCell(const QString& hostPath, const QSize& bound) {
    const QSize size = readPhotoSize(hostPath);
    if (!size.isValid())
        return {};
    const QSize target(std::min(size.width(), bound.width()),
                       std::min(size.height(), bound.height()));
    return target == size ? decodePhoto(hostPath) : decodePhotoScaled(hostPath, target);
}

// Writes the photo to the temporary bitmap. A photo that cannot be decoded
// leaves no bitmap, so its cell stays empty instead of repeating the last one.
void writePhotoBitmap(Program& program, int photo, const QSize& bound, const QString& bitmap) {
    const QString host = program.services.files.hostPath(program.state.PhotoPaths[photo]);
    const QImage picture = decodeForCell(host, bound);
    if (picture.isNull() || !saveBitmap(picture, bitmap))
        removeBitmap(bitmap);
}

int countMarkedPhotos(const ProgramState& state) {
    int count = 0;
    for (int p = 1; p <= state.PhotoCount; ++p)
        if (state.PhotoMarks[p] == 1)
            ++count;
    return count;
}
} // namespace

void PrintPhotoSheets(Program& program, const SheetLayout& layout) {
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
    VSPrinter1.setSetting(VSPrinter::Setting9, 0);
    VSPrinter1.setSetting(VSPrinter::Setting55, 0);
    VSPrinter1.setSetting(VSPrinter::Setting126, 0);
    VSPrinter1.setSetting(VSPrinter::Setting91, 0);
    VSPrinter1.BeginJob();
    VSPrinter1.setSetting(VSPrinter::Setting9, 0);
    VSPrinter1.setSetting(VSPrinter::Setting36, 0);

    const bool onePerSheet = layout.PhotosPerSheet == 1;
    const QString bitmap = QDir(services.printer.scratchFolder()).filePath(BitmapName);
    bool firstPhoto = true;
    // From here on SelectedCount holds the index of the cell on the sheet, and
    // ImageWidth and ImageHeight the sheet's drawable size in twips.
    int& cellOnSheet = state.SelectedCount;
    int& sheetWidth = state.ImageWidth;
    int& sheetHeight = state.ImageHeight;
    if (!onePerSheet)
        cellOnSheet = 0;
    for (state.PrintPos = 1; state.PrintPos <= state.PhotoCount; ++state.PrintPos) {
        if (state.PhotoMarks[state.PrintPos] == 0)
            continue;
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

        writePhotoBitmap(program, state.PrintPos, cellPixelsAt300Dpi(layout, cellIndex), bitmap);
        if (layout.Turned)
            RotateL(bitmap, bitmap);

        VSPrinter1.setDrawLeft(0);
        VSPrinter1.setDrawTop(0);
        VSPrinter1.setDrawRight(0);
        VSPrinter1.setDrawBottom(0);
        VSPrinter1.setPicture(loadBitmap(bitmap));
        VSPrinter1.DrawRight();
        VSPrinter1.DrawBottom();

        sheetWidth = roundHalfEven(VSPrinter1.SheetWidth());
        sheetHeight = roundHalfEven(VSPrinter1.SheetHeight());

        const CellEdges cell = cellEdges(layout, cellIndex, sheetWidth, sheetHeight);
        VSPrinter1.setDrawLeft(cell.Left);
        VSPrinter1.setDrawTop(cell.Top);
        VSPrinter1.setDrawRight(cell.Right);
        VSPrinter1.setDrawBottom(cell.Bottom);
        VSPrinter1.setPicture(loadBitmap(bitmap));
    }
    removeBitmap(bitmap);

    VSPrinter1.setSetting(VSPrinter::Setting9, 0);
    VSPrinter1.EndJob();
    VSPrinter1.Status();

    DrawThumbnailPage(program);
}
