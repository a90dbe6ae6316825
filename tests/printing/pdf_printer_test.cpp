#include "platform_gui/pdf_printer.h"
#include "printing/pdf_pages.h"
#include "printing/photo_jobs.h"

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
