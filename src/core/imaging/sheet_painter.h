// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

class QPagedPaintDevice;

// Paints sheets on a paged device (a printer or a PDF writer) in twips from
// the top-left corner of its page's drawable area.
class SheetPainter {
public:
    // A4 portrait with the given margins in points.
    static QPageLayout a4Layout(const QMarginsF& marginsPt = QMarginsF());
    // The drawable area of a page in twips.
    static QSizeF drawableTwips(const QPageLayout& layout);

    bool begin(QPagedPaintDevice& device);
    bool isActive() const { return m_painter.isActive(); }
    void newSheet();
    void drawPicture(const QImage& picture, const QRectF& target);
    bool end();

private:
    QPagedPaintDevice* m_device = nullptr;
    QPainter m_painter;
};
