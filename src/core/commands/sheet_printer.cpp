// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/sheet_printer.h"

#include "core/services/printer_service.h"

#include <QRectF>
#include <algorithm>

namespace {
constexpr double MaxLength = 32767;
} // namespace

SheetPrinter::SheetPrinter(PrinterService& printer) : m_printer(printer) {}

double SheetPrinter::setting(Setting setting) const {
    const auto found = m_settings.find(setting);
    return found == m_settings.end() ? 0 : found->second;
}

void SheetPrinter::beginJob() {
    m_inJob = m_printer.beginDocument();
    m_status = m_inJob ? 0 : 1;
}

void SheetPrinter::newSheet() {
    if (m_inJob)
        m_printer.newSheet();
}

void SheetPrinter::setPicture(const QImage& picture) {
    const QRectF target(QPointF(m_left, m_top), QPointF(m_right, m_bottom));
    if (m_inJob && !picture.isNull() && target.width() > 0 && target.height() > 0)
        m_printer.drawPicture(picture, target);
}

double SheetPrinter::sheetWidth() const {
    return std::min(m_printer.sheetSizeTwips().width(), MaxLength);
}

double SheetPrinter::sheetHeight() const {
    return std::min(m_printer.sheetSizeTwips().height(), MaxLength);
}

void SheetPrinter::endJob() {
    if (!m_inJob)
        return;
    m_inJob = false;
    const int status = m_printer.endDocument();
    if (m_status == 0)
        m_status = status;
}
