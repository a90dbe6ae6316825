// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/pdf_pages.h"
#include "core/commands/photo_jobs.h"
#include "core/commands/print_photo_sheets.h"
#include "core/geometry/sheet_layout.h"
#include "core/imaging/pdf_printer.h"
#include "support/circle_photo.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PdfSheets, EightToASheetGivesTwoPagesWithThePhotosInTheirCells) {
    const QString missing = popplerMissingReason();
    if (!missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    QTemporaryDir out;
    PdfPrinter pdf(out.filePath(QStringLiteral("sheets.pdf")), out.path());
    NinePhotoJob job(pdf);
    job.printEightToASheet();

    ASSERT_EQ(pdfPageCount(pdf.outputPath()), 2);
    const QImage first = renderPdfPage(pdf.outputPath(), 1, 40);
    ASSERT_FALSE(first.isNull());
    for (int cell = 1; cell <= 8; ++cell)
        EXPECT_EQ(job.cellShowsPhoto(first, cell, cell), QString());
    EXPECT_EQ(NinePhotoJob::gapIsPaper(first), QString());
    const QImage second = renderPdfPage(pdf.outputPath(), 2, 40);
    EXPECT_EQ(job.cellShowsPhoto(second, 1, 9), QString());
    EXPECT_TRUE(isPaperWhite(meanColourOfMiddle(second, pageRect(second, 0.07, 0.27, 0.50, 0.48))));
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("PRIMG.BMP"))));
}

// One to a sheet, a portrait photo stays upright and a landscape one is turned
// to fill the sheet: both are then 0.84 of the sheet wide, the disc 4/5 of it.
TEST(PdfSheets, PhotosKeepTheirProportionsOnPaper) {
    if (!popplerMissingReason().isEmpty())
        GTEST_SKIP() << popplerMissingReason().toStdString();
    QTemporaryDir out;
    PdfPrinter pdf(out.filePath(QStringLiteral("round.pdf")), out.path());
    NinePhotoJob job(pdf);
    for (int n = 1; n <= 2; ++n) {
        job.rig.state.folder.PhotoPaths[n] =
            job.rig.classFolder + QStringLiteral("\\C%1.JPG").arg(n);
        ASSERT_TRUE(writeCirclePhoto(job.rig.host(job.rig.state.folder.PhotoPaths[n]),
                                     n == 1 ? QSize(600, 800) : QSize(800, 600)));
    }
    job.rig.state.folder.PhotoCount = 2;
    job.rig.messages.answers = {true};
    printPhotoSheets(job.program, oneToASheet());
    for (int page = 1; page <= 2; ++page) {
        const QImage sheet = renderPdfPage(pdf.outputPath(), page, 50);
        EXPECT_TRUE(discIsRound(sheet)) << page;
        EXPECT_NEAR(redDiscBounds(sheet).width(), 0.8 * 0.84 * sheet.width(), 4) << page;
    }
}

TEST(PdfSheets, TheSheetIsA4InTwips) {
    QTemporaryDir out;
    PdfPrinter pdf(out.filePath(QStringLiteral("a4.pdf")));
    // 595 x 842 points of 20 twips.
    EXPECT_EQ(pdf.sheetSizeTwips(), QSizeF(11900, 16840));
    ASSERT_TRUE(pdf.beginDocument());
    EXPECT_EQ(pdf.sheetSizeTwips(), QSizeF(11900, 16840));
    EXPECT_EQ(pdf.endDocument(), 0);
}

TEST(PdfSheets, AFileThatCannotBeWrittenFails) {
    PdfPrinter pdf(QStringLiteral("/nonexistent-folder/x.pdf"));
    EXPECT_FALSE(pdf.beginDocument());
    EXPECT_NE(pdf.endDocument(), 0);
}

} // namespace
