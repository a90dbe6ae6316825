// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/pdf_printer.h"

#include <QPdfWriter>

namespace {
// The resolution of the page description; pictures keep their own pixels.
constexpr int PdfResolution = 1200;
} // namespace

PdfPrinter::PdfPrinter(const QString& outputPath, const QString& scratchFolder)
    : m_outputPath(outputPath), m_scratchFolder(scratchFolder) {}

PdfPrinter::~PdfPrinter() = default;

bool PdfPrinter::beginDocument() {
    m_writer = std::make_unique<QPdfWriter>(m_outputPath);
    m_writer->setResolution(PdfResolution);
    m_writer->setCreator(QStringLiteral("Fotobako"));
    m_writer->setPageLayout(SheetPainter::a4Layout());
    return m_sheets.begin(*m_writer);
}

QSizeF PdfPrinter::sheetSizeTwips() const {
    return SheetPainter::drawableTwips(m_writer ? m_writer->pageLayout()
                                                : SheetPainter::a4Layout());
}

void PdfPrinter::newSheet() {
    m_sheets.newSheet();
}

void PdfPrinter::drawPicture(const QImage& picture, const QRectF& target) {
    m_sheets.drawPicture(picture, target);
}

int PdfPrinter::endDocument() {
    const bool written = m_sheets.end();
    m_writer.reset();
    return written ? 0 : 1;
}
