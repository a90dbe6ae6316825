// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/unreadable_photo_sign.h"

#include "ui/widgets/picture_box.h"

void drawUnreadablePhotoSign(PictureBox& box, const QRect& area, const QString& photoName) {
    const QColor sign(192, 0, 0);
    box.fillRect(area, QColor(224, 224, 224));
    box.drawBox(area, sign);
    box.drawLine(area.topLeft(), area.bottomRight(), sign);
    box.drawLine(area.bottomLeft(), area.topRight(), sign);
    box.setForeColor(Qt::black);
    box.setCurrentPos(area.topLeft() + QPoint(4, 4));
    box.print(QStringLiteral("みられない しゃしん"));
    box.setCurrentPos(area.topLeft() + QPoint(4, area.height() / 2));
    box.print(photoName);
}
