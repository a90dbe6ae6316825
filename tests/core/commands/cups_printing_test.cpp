// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/pdf_pages.h"
#include "core/commands/photo_jobs.h"
#include "core/commands/private_cups.h"
#include "ui/widgets/system_printer.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One private scheduler for the whole test program, since the CUPS library
// reads CUPS_SERVER once per process.
class CupsPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cups = std::make_unique<PrivateCups>(); }
    static void TearDownTestSuite() { cups.reset(); }

    void SetUp() override {
        if (!cups->failure().isEmpty())
            GTEST_SKIP() << "no private CUPS scheduler: " << cups->failure().toStdString();
        const QString missing = popplerMissingReason();
        if (!missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
    }

    static std::unique_ptr<PrivateCups> cups;
    QTemporaryDir documents;
    QTemporaryDir programFolder;
};

std::unique_ptr<PrivateCups> CupsPrinting::cups;

TEST_F(CupsPrinting, TheDefaultQueuePrintsTheSheets) {
    const QString added = cups->addPdfQueue();
    ASSERT_TRUE(added.isEmpty()) << added.toStdString();
    // The printer's own messages, apart from the question the job answers.
    ScriptedMessages messages;
    FixedClock clock;
    SystemPrinter printer(messages, clock, programFolder.path(), documents.path());
    NinePhotoJob job(printer);
    job.printEightToASheet();

    ASSERT_TRUE(cups->waitForJobsCompleted(120000)) << "the job did not complete";
    const QStringList pdfs = cups->writtenPdfs();
    ASSERT_EQ(pdfs.size(), 1) << "the queue wrote " << pdfs.join(", ").toStdString();
    EXPECT_EQ(pdfPageCount(pdfs[0]), 2);
    const QImage first = renderPdfPage(pdfs[0], 1, 40);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(job.cellShowsPhoto(first, 1, 1), QString());
    EXPECT_EQ(job.cellShowsPhoto(first, 8, 8), QString());
    EXPECT_EQ(NinePhotoJob::gapIsPaper(first), QString());
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(' ').toStdString();
    EXPECT_TRUE(QDir(documents.path()).isEmpty());
    EXPECT_FALSE(QDir(programFolder.path()).exists(QStringLiteral("PRIMG.BMP")));
}

TEST_F(CupsPrinting, WithNoPrinterAtAllTheSheetsBecomeAPdfInTheDocumentsFolder) {
    cups->removeQueue();
    const qsizetype queuedBefore = cups->writtenPdfs().size();
    ScriptedMessages messages;
    FixedClock clock; // 2002-06-15 09:30:12
    SystemPrinter printer(messages, clock, programFolder.path(), documents.path());
    NinePhotoJob job(printer);
    job.printEightToASheet();

    const QString pdf = QDir(documents.path()).filePath(QStringLiteral("20020615-093012.pdf"));
    ASSERT_EQ(
        messages.shown,
        QStringList({QStringLiteral("プリンターがないので、PDFファイルにしました。\n") + pdf}));
    EXPECT_EQ(pdfPageCount(pdf), 2);
    EXPECT_EQ(job.cellShowsPhoto(renderPdfPage(pdf, 2, 40), 1, 9), QString());
    EXPECT_EQ(cups->writtenPdfs().size(), queuedBefore);
}

TEST(SystemPrinterFolders, AProgramFolderThatCannotBeWrittenGivesTheTemporaryFolder) {
    ScriptedMessages messages;
    FixedClock clock;
    QTemporaryDir folder;
    EXPECT_EQ(SystemPrinter(messages, clock, folder.path(), folder.path()).scratchFolder(),
              folder.path());
    EXPECT_EQ(
        SystemPrinter(messages, clock, QStringLiteral("/nonexistent-program-folder"), folder.path())
            .scratchFolder(),
        QDir::tempPath());
}

} // namespace
