// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/printer_service.h"

#include <QDir>
#include <QImage>
#include <QRectF>
#include <QStringList>
#include <utility>
#include <vector>

// A printer that keeps every sheet it is given, for checking what was
// printed where, and logs each call in order.
class RecordingPrinter : public PrinterService {
public:
    struct Placed {
        QImage picture;
        QRectF target;
    };
    using Sheet = std::vector<Placed>;

    explicit RecordingPrinter(QSizeF sheetTwips = {11000, 15000},
                              QString scratch = QDir::tempPath())
        : sheetTwips(sheetTwips), scratch(std::move(scratch)) {}

    bool beginDocument() override;
    QSizeF sheetSizeTwips() const override;
    void newSheet() override;
    void drawPicture(const QImage& picture, const QRectF& target) override;
    int endDocument() override;
    QString scratchFolder() const override { return scratch; }

    QSizeF sheetTwips;
    QString scratch;
    bool refuseToBegin = false;
    // "begin", "size", "sheet", "draw", "end", in the order of the calls.
    mutable QStringList calls;
    // The sheets of the last document.
    std::vector<Sheet> sheets;
    int documents = 0;
};
