// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/fitting.h"

#include <algorithm>

namespace {
double fitScale(double pictureWidth, double pictureHeight, double boxWidth, double boxHeight) {
    return std::min(boxWidth / pictureWidth, boxHeight / pictureHeight);
}
} // namespace

QRectF fitInside(const QSizeF& picture, const QRectF& box) {
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const QSizeF size =
        picture * fitScale(picture.width(), picture.height(), box.width(), box.height());
    return {box.x() + (box.width() - size.width()) / 2,
            box.y() + (box.height() - size.height()) / 2, size.width(), size.height()};
}

QSize fittedSize(const QSize& picture, const QSize& box) {
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const double scale = fitScale(picture.width(), picture.height(), box.width(), box.height());
    return {std::clamp(roundHalfEven(picture.width() * scale), 1, box.width()),
            std::clamp(roundHalfEven(picture.height() * scale), 1, box.height())};
}

QRect fitInside(const QSize& picture, const QRect& box) {
    const QSize size = fittedSize(picture, box.size());
    if (size.isEmpty())
        return {};
    return {box.x() + (box.width() - size.width()) / 2,
            box.y() + (box.height() - size.height()) / 2, size.width(), size.height()};
}
