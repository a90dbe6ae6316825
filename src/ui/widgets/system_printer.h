// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/pdf_printer.h"
#include "core/imaging/sheet_painter.h"
#include "core/services/printer_service.h"

#include <memory>

class Clock;
class MessageService;
class QPrinter;

// Prints on the system's default printer through CUPS. On a machine with no
// printer at all the sheets become a PDF file in the documents folder, named
// with the print time, and one message says where it is.
class SystemPrinter : public PrinterService {
public:
    SystemPrinter(MessageService& messages, const Clock& clock, const QString& programFolder,
                  const QString& documentsFolder);
    ~SystemPrinter() override;

    bool beginDocument() override;
    QSizeF sheetSizeTwips() const override;
    void newSheet() override;
    void drawPicture(const QImage& picture, const QRectF& target) override;
    int endDocument() override;
    QString scratchFolder() const override;

private:
    bool beginOnPrinter(const QString& printerName);
    bool beginAsPdf();
    QString pdfPathForNow() const;

    MessageService& m_messages;
    const Clock& m_clock;
    QString m_programFolder;
    QString m_documentsFolder;
    std::unique_ptr<QPrinter> m_printer;
    SheetPainter m_sheets;
    std::unique_ptr<PdfPrinter> m_pdf;
};
