// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/sheet_painter.h"
#include "core/services/printer_service.h"

#include <QDir>
#include <memory>

class QPdfWriter;

// Prints the sheets into a PDF file of A4 pages without margins.
class PdfPrinter : public PrinterService {
public:
    explicit PdfPrinter(const QString& outputPath, const QString& scratchFolder = QDir::tempPath());
    ~PdfPrinter() override;

    bool beginDocument() override;
    QSizeF sheetSizeTwips() const override;
    void newSheet() override;
    void drawPicture(const QImage& picture, const QRectF& target) override;
    int endDocument() override;
    QString scratchFolder() const override { return m_scratchFolder; }

    QString outputPath() const { return m_outputPath; }

private:
    QString m_outputPath;
    QString m_scratchFolder;
    std::unique_ptr<QPdfWriter> m_writer;
    SheetPainter m_sheets;
};
