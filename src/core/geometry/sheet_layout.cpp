// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/sheet_layout.h"

#include <cmath>

const SheetLayout& oneToASheet() {
    static const SheetLayout layout{1, true,
                                    QStringLiteral("しゃしんをかみに１まいずついんさつします。")};
    return layout;
}

const SheetLayout& twoToASheet() {
    static const SheetLayout layout{2, false,
                                    QStringLiteral("しゃしんをかみに２まいずついんさつします。")};
    return layout;
}

const SheetLayout& eightToASheet() {
    static const SheetLayout layout{8, false,
                                    QStringLiteral("しゃしんをかみに８まいずついんさつします。")};
    return layout;
}

const SheetLayout& eighteenToASheet() {
    static const SheetLayout layout{18, false,
                                    QStringLiteral("しゃしんをかみに１８まいずついんさつします。")};
    return layout;
}

namespace {
CellEdges twoCell(int cellIndex, double w, double h) {
    if (cellIndex == 1)
        return {0.09 * w, 0.04 * h, 0.95 * w, 0.49 * h};
    return {0.09 * w, 0.52 * h, 0.95 * w, 0.97 * h};
}

CellEdges eightCell(int cellIndex, double w, double h) {
    const bool leftColumn = cellIndex <= 4;
    const double left = leftColumn ? 0.07 * w : 0.53 * w;
    const double right = leftColumn ? 0.50 * w : 0.96 * w;
    switch ((cellIndex - 1) % 4) {
    case 0:
        return {left, 0.04 * h, right, 0.25 * h};
    case 1:
        return {left, 0.27 * h, right, 0.48 * h};
    case 2:
        return {left, 0.50 * h, right, 0.72 * h};
    default:
        return {left, 0.74 * h, right, 0.96 * h};
    }
}

CellEdges eighteenCell(int cellIndex, double w, double h) {
    double left = 0.68 * w;
    double right = 0.97 * w;
    if (cellIndex <= 6) {
        left = 0.06 * w;
        right = 0.35 * w;
    } else if (cellIndex <= 12) {
        left = 0.37 * w;
        right = 0.66 * w;
    }
    const int row = (cellIndex - 1) % 6;
    return {left, row * (0.15 * h) + 0.04 * h, right, row * (0.15 * h) + 0.18 * h};
}
} // namespace

CellEdges cellEdges(const SheetLayout& layout, int cellIndex, double w, double h) {
    switch (layout.PhotosPerSheet) {
    case 1:
        return {0.09 * w, 0.05 * h, 0.93 * w, 0.95 * h};
    case 2:
        return twoCell(cellIndex, w, h);
    case 8:
        return eightCell(cellIndex, w, h);
    default:
        return eighteenCell(cellIndex, w, h);
    }
}

QSize cellPixelsAt300Dpi(const SheetLayout& layout, int cellIndex) {
    constexpr double A4WidthDots = 210.0 / 25.4 * 300.0;
    constexpr double A4HeightDots = 297.0 / 25.4 * 300.0;
    const CellEdges cell = cellEdges(layout, cellIndex, A4WidthDots, A4HeightDots);
    return {int(std::ceil(cell.Right - cell.Left)), int(std::ceil(cell.Bottom - cell.Top))};
}
