// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/thumbnail_caption.h"

#include "ui/widgets/picture_box.h"

CaptionStyle captionStyle(int photoNumber, bool marked) {
    const QString number = u'(' + QString::number(photoNumber) + u')';
    if (marked)
        return {QColor(0, 0, 255), QColor(255, 255, 0), number + QStringLiteral(" えらばれました")};
    return {QColor(255, 255, 0), Qt::black, number};
}

void drawCaption(PictureBox& panel, const ThumbCell& cell, int photoNumber, bool marked) {
    const CaptionStyle style = captionStyle(photoNumber, marked);
    panel.fillRect(cell.captionBar(), style.bar);
    panel.drawBox(cell.frame(), Qt::black);
    panel.setForeColor(style.text);
    panel.setCurrentPos(cell.captionPos());
    panel.print(style.caption);
}
