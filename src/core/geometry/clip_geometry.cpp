// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/clip_geometry.h"

#include <algorithm>

QRect clipPictureBox(ClipSize size) {
    return size == ClipSize::Small ? QRect(164, 100, 321, 241) : QRect(4, 51, 641, 481);
}

QSize clipDrawSize(ClipSize size) {
    return size == ClipSize::Small ? QSize(320, 240) : QSize(640, 480);
}

QRect clipRectangle(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QRect clipOuterFrame(QPoint a, QPoint b) {
    return clipRectangle(a, b).adjusted(-1, -1, 1, 1);
}

QPoint clampedInto(QPoint pos, const QSize& size) {
    return QPoint(std::clamp(pos.x(), 0, std::max(0, size.width() - 1)),
                  std::clamp(pos.y(), 0, std::max(0, size.height() - 1)));
}
