// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slide_show_window/layout_icons.h"

#include <QColor>
#include <QPainter>

namespace {
const QColor PictureColor(255, 160, 208);
const QColor ButtonColor(160, 160, 160);
const QColor ThumbnailColor(255, 255, 176);
const QRect Screen(3, 3, 103, 77);
} // namespace

QImage layoutIcon(bool withStrip) {
    QImage icon(LayoutIconWidth, LayoutIconHeight, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setPen(Qt::black);
    painter.drawRect(Screen.adjusted(0, 0, -1, -1));

    const int pictureLeft = withStrip ? 22 : 12;
    painter.fillRect(QRect(pictureLeft, 8, Screen.right() - 5 - pictureLeft, 54), PictureColor);
    for (int i = 0; i < 3; ++i)
        painter.fillRect(QRect(32 + 18 * i, 67, 14, 8), ButtonColor);
    if (withStrip) {
        for (int i = 0; i < 6; ++i)
            painter.fillRect(QRect(8, 8 + 9 * i, 8, 7), ThumbnailColor);
        painter.setPen(QColor(200, 200, 120));
        for (int i = 0; i < 6; ++i)
            painter.drawRect(QRect(8, 8 + 9 * i, 7, 6));
    }
    return icon;
}
