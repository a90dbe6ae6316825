#include "platform/pdf_printer.h"
#include "printing/pdf_pages.h"
#include "printing/photo_jobs.h"
#include "printing/print_photo_sheets.h"
#include "printing/sheet_layout.h"
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

// Printed one to a sheet, a portrait photo stays upright and a landscape one
// is turned; on paper the disc of each stays round.
TEST(PdfSheets, PhotosKeepTheirProportionsOnPaper) {
    const QString missing = popplerMissingReason();
    if (!missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    QTemporaryDir out;
    PdfPrinter pdf(out.filePath(QStringLiteral("round.pdf")), out.path());
    NinePhotoJob job(pdf);
    LibraryRig& rig = job.rig;
    const QSize sizes[] = {{600, 800}, {800, 600}};
    for (int n = 1; n <= 2; ++n) {
        rig.state.PhotoPaths[n] = rig.classFolder + QStringLiteral("\\C%1.JPG").arg(n);
        ASSERT_TRUE(writeCirclePhoto(rig.host(rig.state.PhotoPaths[n]), sizes[n - 1]));
    }
    rig.state.PhotoCount = 2;
    rig.messages.answers = {true};
    PrintPhotoSheets(job.program, oneToASheet());

    ASSERT_EQ(pdfPageCount(pdf.outputPath()), 2);
    for (int page = 1; page <= 2; ++page) {
        const QImage sheet = renderPdfPage(pdf.outputPath(), page, 50);
        ASSERT_FALSE(sheet.isNull());
        EXPECT_TRUE(discIsRound(sheet)) << page;
        // Upright, 3:4, the photo is as wide as the cell, 0.84 of the sheet,
        // and the disc four fifths of that; untouched, a landscape photo's
        // disc would be only three quarters as large.
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
