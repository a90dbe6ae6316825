// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/sheet_plan.h"

#include "core/geometry/fitting.h"

std::vector<SheetPlacement> planSheets(const SheetLayout& layout, const std::vector<int>& photos) {
    std::vector<SheetPlacement> plan;
    plan.reserve(photos.size());
    for (size_t i = 0; i < photos.size(); ++i) {
        const int position = int(i);
        plan.push_back(
            {photos[i], position / layout.PhotosPerSheet, position % layout.PhotosPerSheet + 1});
    }
    return plan;
}

bool turnsPhoto(const SheetLayout& layout, const QSize& photo) {
    return layout.Turned && photo.width() > photo.height();
}

QRectF pictureRect(const SheetLayout& layout, int cell, const QSizeF& sheet, const QSize& picture) {
    const CellEdges edges =
        cellEdges(layout, cell, roundHalfEven(sheet.width()), roundHalfEven(sheet.height()));
    return fitInside(QSizeF(picture),
                     QRectF(QPointF(edges.Left, edges.Top), QPointF(edges.Right, edges.Bottom)));
}
