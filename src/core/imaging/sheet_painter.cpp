// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/sheet_painter.h"

#include <QPagedPaintDevice>

namespace {
constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerInch = 1440.0;
} // namespace

QPageLayout SheetPainter::a4Layout(const QMarginsF& marginsPt) {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, marginsPt,
                       QPageLayout::Point);
}

QSizeF SheetPainter::drawableTwips(const QPageLayout& layout) {
    return layout.paintRect(QPageLayout::Point).size() * TwipsPerPoint;
}

bool SheetPainter::begin(QPagedPaintDevice& device) {
    m_device = &device;
    if (!m_painter.begin(&device))
        return false;
    m_painter.scale(device.logicalDpiX() / TwipsPerInch, device.logicalDpiY() / TwipsPerInch);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    return true;
}

void SheetPainter::newSheet() {
    if (m_device && m_painter.isActive())
        m_device->newPage();
}

void SheetPainter::drawPicture(const QImage& picture, const QRectF& target) {
    if (m_painter.isActive() && !picture.isNull())
        m_painter.drawImage(target, picture);
}

bool SheetPainter::end() {
    m_device = nullptr;
    return m_painter.isActive() && m_painter.end();
}
