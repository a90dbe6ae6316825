// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_printer.h"

bool RecordingPrinter::beginDocument() {
    calls << QStringLiteral("begin");
    if (refuseToBegin)
        return false;
    sheets.assign(1, {});
    ++documents;
    return true;
}

QSizeF RecordingPrinter::sheetSizeTwips() const {
    calls << QStringLiteral("size");
    return sheetTwips;
}

void RecordingPrinter::newSheet() {
    calls << QStringLiteral("sheet");
    sheets.emplace_back();
}

void RecordingPrinter::drawPicture(const QImage& picture, const QRectF& target) {
    calls << QStringLiteral("draw");
    sheets.back().push_back({picture, target});
}

int RecordingPrinter::endDocument() {
    calls << QStringLiteral("end");
    return 0;
}
