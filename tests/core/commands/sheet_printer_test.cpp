// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/sheet_printer.h"
#include "support/recording_printer.h"

#include <gtest/gtest.h>

namespace {

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(SheetPrinter, PicturesGoIntoTheEdgesRectangleOfTheCurrentSheet) {
    RecordingPrinter printer({10000, 14000});
    SheetPrinter control(printer);
    control.beginJob();
    control.setPicture(solid({4, 3}, Qt::red)); // all edges 0: nothing drawn
    control.setDrawLeft(700);
    control.setDrawTop(560);
    control.setDrawRight(5000.5);
    control.setDrawBottom(3500);
    EXPECT_DOUBLE_EQ(control.drawRight(), 5000.5);
    control.setPicture(solid({4, 3}, Qt::red));
    control.newSheet();
    control.setPicture(QImage()); // no picture: nothing drawn
    control.setPicture(solid({4, 3}, Qt::blue));
    control.endJob();

    EXPECT_EQ(printer.calls, QStringList({"begin", "draw", "sheet", "draw", "end"}));
    ASSERT_EQ(printer.sheets.size(), 2u);
    ASSERT_EQ(printer.sheets[0].size(), 1u);
    EXPECT_EQ(printer.sheets[0][0].target, QRectF(QPointF(700, 560), QPointF(5000.5, 3500)));
    EXPECT_EQ(printer.sheets[1][0].picture.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(control.status(), 0);
}

TEST(SheetPrinter, SheetSizeFitsSixteenBits) {
    RecordingPrinter printer({11906, 40000});
    SheetPrinter control(printer);
    EXPECT_DOUBLE_EQ(control.sheetWidth(), 11906);
    EXPECT_DOUBLE_EQ(control.sheetHeight(), 32767);
}

TEST(SheetPrinter, AJobThatCannotStartPrintsNothingAndSaysSo) {
    RecordingPrinter printer;
    printer.refuseToBegin = true;
    SheetPrinter control(printer);
    control.beginJob();
    control.setDrawRight(100);
    control.setDrawBottom(100);
    control.setPicture(solid({2, 2}, Qt::red));
    control.newSheet();
    control.endJob();
    EXPECT_EQ(printer.calls, QStringList({"begin"}));
    EXPECT_NE(control.status(), 0);
}

TEST(SheetPrinter, SettingsKeepWhatIsWritten) {
    RecordingPrinter printer;
    SheetPrinter control(printer);
    control.setSetting(SheetPrinter::Setting::Orientation, 3);
    EXPECT_DOUBLE_EQ(control.setting(SheetPrinter::Setting::Orientation), 3);
    EXPECT_DOUBLE_EQ(control.setting(SheetPrinter::Setting::Preview), 0);
}

} // namespace
