// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/circle_photo.h"

#include <QPainter>

bool writeCirclePhoto(const QString& hostPath, const QSize& size) {
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(Qt::white);
    QPainter painter(&photo);
    painter.setBrush(QColor(220, 0, 0));
    const double radius = 0.4 * std::min(size.width(), size.height());
    painter.drawEllipse(QRectF(photo.rect()).center(), radius, radius);
    painter.end();
    return photo.save(hostPath, "JPEG", 95);
}

QRect redDiscBounds(const QImage& image, QRect area) {
    if (area.isEmpty())
        area = image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 150 && c.green() < 90)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool discIsRound(const QImage& image, QRect area) {
    const QRect disc = redDiscBounds(image, area);
    return !disc.isEmpty() && std::abs(disc.width() - disc.height()) <= 0.03 * disc.width();
}
