// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/system_printer.h"

#include "core/services/clock.h"
#include "core/services/message_service.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
const QString PrintFailedText = QStringLiteral("いんさつできませんでした。");
const QString PdfFailedText = QStringLiteral("PDFファイルをつくれませんでした。");
const QString NoPrinterText = QStringLiteral("プリンターがないので、PDFファイルにしました。");
} // namespace

SystemPrinter::SystemPrinter(MessageService& messages, const Clock& clock,
                             const QString& programFolder, const QString& documentsFolder)
    : m_messages(messages), m_clock(clock), m_programFolder(programFolder),
      m_documentsFolder(documentsFolder) {}

SystemPrinter::~SystemPrinter() = default;

bool SystemPrinter::beginDocument() {
    m_printer.reset();
    m_pdf.reset();
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (printers.isEmpty())
        return beginAsPdf();
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    return beginOnPrinter(defaultName.isEmpty() ? printers.first() : defaultName);
}

bool SystemPrinter::beginOnPrinter(const QString& printerName) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPrinterName(printerName);
    m_printer->setDocName(QStringLiteral("Fotobako"));
    m_printer->setFullPage(false);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    const QPageLayout layout = m_printer->pageLayout();
    m_printer->setPageMargins(layout.minimumMargins(), layout.units());
    if (m_sheets.begin(*m_printer))
        return true;
    m_printer.reset();
    m_messages.inform(PrintFailedText);
    return false;
}

bool SystemPrinter::beginAsPdf() {
    QDir().mkpath(m_documentsFolder);
    m_pdf = std::make_unique<PdfPrinter>(pdfPathForNow(), scratchFolder());
    if (m_pdf->beginDocument())
        return true;
    m_pdf.reset();
    m_messages.inform(PdfFailedText);
    return false;
}

QString SystemPrinter::pdfPathForNow() const {
    const QString stem = m_clock.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = QDir(m_documentsFolder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(m_documentsFolder).filePath(QStringLiteral("%1-%2.pdf").arg(stem).arg(n));
    return path;
}

QSizeF SystemPrinter::sheetSizeTwips() const {
    if (m_pdf)
        return m_pdf->sheetSizeTwips();
    return SheetPainter::drawableTwips(m_printer ? m_printer->pageLayout()
                                                 : SheetPainter::a4Layout());
}

void SystemPrinter::newSheet() {
    if (m_pdf)
        m_pdf->newSheet();
    else
        m_sheets.newSheet();
}

void SystemPrinter::drawPicture(const QImage& picture, const QRectF& target) {
    if (m_pdf)
        m_pdf->drawPicture(picture, target);
    else
        m_sheets.drawPicture(picture, target);
}

int SystemPrinter::endDocument() {
    if (m_pdf) {
        const int status = m_pdf->endDocument();
        const QString path = m_pdf->outputPath();
        m_pdf.reset();
        m_messages.inform(status == 0 ? NoPrinterText + u'\n' + QDir::toNativeSeparators(path)
                                      : PdfFailedText);
        return status;
    }
    if (!m_printer)
        return 1;
    const bool sent = m_sheets.end() && m_printer->printerState() != QPrinter::Error;
    m_printer.reset();
    if (!sent)
        m_messages.inform(PrintFailedText);
    return sent ? 0 : 1;
}

QString SystemPrinter::scratchFolder() const {
    const QFileInfo folder(m_programFolder);
    return folder.isDir() && folder.isWritable() ? m_programFolder : QDir::tempPath();
}
