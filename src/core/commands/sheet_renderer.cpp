// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/sheet_renderer.h"

#include "core/commands/sheet_printer.h"
#include "core/geometry/fitting.h"
#include "core/geometry/sheet_plan.h"
#include "core/imaging/bitmap_file.h"
#include "core/imaging/photo_reader.h"
#include "core/services/printer_service.h"

#include <QDir>
#include <numeric>

namespace {
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

// The print routine's own state while it works through a plan.
class SheetRenderer {
public:
    SheetRenderer(PrinterService& printer, const SheetLayout& layout)
        : m_printer(printer), m_layout(layout),
          m_bitmap(QDir(printer.scratchFolder()).filePath(BitmapName)) {}

    // Writes the photo's bitmap and draws it in its place; false, with nothing
    // drawn, when it cannot be decoded or its bitmap cannot be written.
    bool draw(const QString& hostPath, const SheetPlacement& place) {
        PhotoReader photo(hostPath);
        const QSize size = photo.uprightSize();
        if (!size.isValid() || !writeBitmap(photo, place.cell, turnsPhoto(m_layout, size)))
            return false;
        if (!m_started)
            beginJob();
        if (place.sheet != m_sheet) {
            m_printer.newSheet();
            m_sheet = place.sheet;
        }
        // The control takes the picture once with an empty rectangle, which
        // draws nothing, before the sheet size is read and the cell is set.
        setEdges(QRectF());
        const QImage picture = loadBitmap(m_bitmap);
        m_printer.setPicture(picture);
        m_printer.drawRight();
        m_printer.drawBottom();
        const QSizeF sheet(m_printer.sheetWidth(), m_printer.sheetHeight());
        setEdges(pictureRect(m_layout, place.cell, sheet, picture.size()));
        m_printer.setPicture(picture);
        return true;
    }

    void finish() {
        removeBitmap(m_bitmap);
        if (!m_started)
            return;
        m_printer.setSetting(SheetPrinter::Setting::PreviewPage, 0);
        m_printer.endJob();
        m_printer.status();
    }

private:
    // The bitmap of the photo fitted to the cell at 300 dots per inch, turned
    // to the left when turn is set; none is left behind on failure.
    bool writeBitmap(PhotoReader& photo, int cell, bool turn) {
        QSize bound = cellPixelsAt300Dpi(m_layout, cell);
        if (turn)
            bound.transpose();
        const QImage picture = decodeForCell(photo, bound);
        if (picture.isNull() || !saveBitmap(picture, m_bitmap)) {
            removeBitmap(m_bitmap);
            return false;
        }
        if (turn)
            RotateL(m_bitmap, m_bitmap);
        return true;
    }

    void beginJob() {
        m_printer.setSetting(SheetPrinter::Setting::PreviewPage, 0);
        m_printer.setSetting(SheetPrinter::Setting::Orientation, 0);
        m_printer.setSetting(SheetPrinter::Setting::Preview, 0);
        m_printer.setSetting(SheetPrinter::Setting::PageBorder, 0);
        m_printer.beginJob();
        m_printer.setSetting(SheetPrinter::Setting::PreviewPage, 0);
        m_printer.setSetting(SheetPrinter::Setting::HeaderHeight, 0);
        m_started = true;
    }

    void setEdges(const QRectF& rect) {
        m_printer.setDrawLeft(rect.left());
        m_printer.setDrawTop(rect.top());
        m_printer.setDrawRight(rect.right());
        m_printer.setDrawBottom(rect.bottom());
    }

    SheetPrinter m_printer;
    const SheetLayout& m_layout;
    const QString m_bitmap;
    bool m_started = false;
    int m_sheet = 0;
};
} // namespace

int printOnSheets(PrinterService& printer, const SheetLayout& layout, const QStringList& photos) {
    std::vector<int> printable(photos.size());
    std::iota(printable.begin(), printable.end(), 0);
    std::vector<SheetPlacement> plan = planSheets(layout, printable);
    SheetRenderer renderer(printer, layout);
    int leftOut = 0;
    for (size_t i = 0; i < plan.size();) {
        if (renderer.draw(photos[plan[i].photo], plan[i])) {
            ++i;
            continue;
        }
        // The photos after it take its place.
        printable.erase(printable.begin() + std::ptrdiff_t(i));
        plan = planSheets(layout, printable);
        ++leftOut;
    }
    renderer.finish();
    return leftOut;
}
