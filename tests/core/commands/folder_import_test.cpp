// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry/thumbnail_geometry.h"
#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/imaging/thumbnail_loader.h"
#include "core/library/index_file.h"
#include "core/library/load_folder.h"
#include "support/test_photos.h"
#include "support_library/import_rig.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/widgets/picture_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Submit = ImportRig::Submit;

const QString Question = QStringLiteral("しゃしんをとりこみます。");
const QString TypeAName = QStringLiteral("フォルダ名をタイプしてください。");
const QString UnusableName = QStringLiteral("フォルダ名につかえないもじがあります。");
const QString TooManyFolders = QStringLiteral("これいじょうフォルダをつくれません。");
const QString SomeNotImported = QStringLiteral("とりこめなかったしゃしんがあります。");
const QColor OpenRow(100, 255, 20);
const QColor OtherRow(255, 240, 255);

class Importing : public ::testing::Test {
protected:
    QByteArray indexBytes() const {
        QFile file(rig.host(rig.classFolder + QStringLiteral("\\IMGMAIN.TXT")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QColor listRowFill(int screenRow) const {
        return rig.form->folderList->image().pixelColor(190, 34 * screenRow + 44);
    }

    ImportRig rig;
};

TEST_F(Importing, FirstImportMakesFolderOneAndCreatesTheIndex) {
    rig.putPhoto(QStringLiteral("DSC00001.JPG"));
    rig.openClassFolder();
    rig.messages.answers = {true};
    const auto outcome = rig.importAs(QStringLiteral("えんそく"));

    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_FALSE(outcome.stayedOpen);
    EXPECT_EQ(rig.namesIn(rig.folderPath(QStringLiteral("IMG_0001_えんそく"))),
              QStringList{QStringLiteral("20020615093012_DSC00001.JPG")});
    // "えんそく,IMG_0001_えんそく,2002/06/15 1," in code page 932, CR LF.
    const QByteArray title("\x82\xa6\x82\xf1\x82\xbb\x82\xad");
    EXPECT_EQ(indexBytes(), title + ",IMG_0001_" + title + ",2002/06/15 1,\r\n");
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 1);
    EXPECT_EQ(rig.state.FolderNameWindowMode, FolderNameMode::Import);
}

TEST_F(Importing, NewFolderTakesTheLowestFreeNumberAndTheLastRow) {
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                         QStringLiteral("b,IMG_0002_b,2002/01/01 0,"),
                         QStringLiteral("d,IMG_0004_d,2002/01/01 0,")});
    rig.openClassFolder();
    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("c"));
    EXPECT_EQ(rig.readIndexLines(), QStringList({QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                                                 QStringLiteral("b,IMG_0002_b,2002/01/01 0,"),
                                                 QStringLiteral("d,IMG_0004_d,2002/01/01 0,"),
                                                 QStringLiteral("c,IMG_0003_c,2002/06/15 0,")}));
    EXPECT_TRUE(rig.files.isDirectory(rig.folderPath(QStringLiteral("IMG_0003_c"))));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 4);
}

TEST_F(Importing, SameNameTwiceGivesTwoFolders) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.openClassFolder();
    rig.messages.answers = {true, true};
    rig.importAs(QStringLiteral("うんどうかい"));
    rig.putPhoto(QStringLiteral("P1.JPG"), 2);
    rig.importAs(QStringLiteral("うんどうかい"));
    EXPECT_EQ(rig.readIndexLines(),
              QStringList({QStringLiteral("うんどうかい,IMG_0001_うんどうかい,2002/06/15 1,"),
                           QStringLiteral("うんどうかい,IMG_0002_うんどうかい,2002/06/15 1,")}));
    for (const char16_t* directory : {u"IMG_0001_うんどうかい", u"IMG_0002_うんどうかい"})
        EXPECT_EQ(rig.namesIn(rig.folderPath(QString::fromUtf16(directory))).size(), 1);
}

TEST_F(Importing, CopiesEveryPhotoFileHiddenOnesTooUnderTheirImportNames) {
    for (const char* name :
         {"DSC00001.JPG", "2002_0615.JPG", "1999_1231.jpg", "2100.JPG", "p.jpeg", ".hidden.JPG"})
        rig.putPhoto(QString::fromLatin1(name));
    QFile(rig.driveHost(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    QDir(rig.host(QStringLiteral("A:\\"))).mkpath(QStringLiteral("SUB.JPG"));
    rig.putPhoto(QStringLiteral("SUB.JPG/INNER.JPG"));
    rig.openClassFolder();
    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("x"));

    EXPECT_EQ(
        rig.namesIn(rig.folderPath(QStringLiteral("IMG_0001_x"))),
        QStringList({QStringLiteral("1999_1231.jpg"), QStringLiteral("20020615093012_.hidden.JPG"),
                     QStringLiteral("20020615093012_2100.JPG"),
                     QStringLiteral("20020615093012_DSC00001.JPG"),
                     QStringLiteral("20020615093012_p.jpeg"), QStringLiteral("2002_0615.JPG")}));
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("x,IMG_0001_x,2002/06/15 6,")});
    EXPECT_EQ(rig.state.folder.PhotoCount, 6);
}

TEST_F(Importing, NoAtTheQuestionBeepsAndKeepsTheWindowOpen) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    rig.openClassFolder();
    rig.messages.answers = {false};
    const auto outcome = rig.importAs(QStringLiteral("b"));
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(rig.messages.beeps, 1);
    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    EXPECT_EQ(rig.namesIn(rig.classFolder), QStringList{QStringLiteral("IMGMAIN.TXT")});
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 1);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
}

TEST_F(Importing, EmptyNameAsksForOneInEveryModeAndEveryWay) {
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    rig.openClassFolder();
    const QList<ImportRig::Outcome> outcomes = {
        rig.importAs(QString()), rig.importAs(QString(), Submit::Return),
        rig.importAs(QString(), Submit::Enter), rig.makeFolderAs(QString()),
        rig.renameTo(QString())};
    for (const auto& outcome : outcomes)
        EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList(5, TypeAName));
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("a"));
}

TEST_F(Importing, NamesThatCannotNameAFolderAreRefusedInEveryMode) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    rig.openClassFolder();
    const QStringList refused = {
        QStringLiteral("a,b"),      QStringLiteral("a\\b"), QStringLiteral("..\\up"),
        QStringLiteral("a/b"),      QStringLiteral(".."),   QStringLiteral("a."),
        QStringLiteral("a "),       QStringLiteral("a:b"),  QStringLiteral("CON"),
        QStringLiteral("com1.txt"), QStringLiteral("a\tb")};
    for (const QString& name : refused) {
        EXPECT_TRUE(rig.importAs(name).stayedOpen) << name.toStdString();
        EXPECT_TRUE(rig.makeFolderAs(name).stayedOpen) << name.toStdString();
        EXPECT_TRUE(rig.renameTo(name).stayedOpen) << name.toStdString();
    }
    EXPECT_EQ(rig.messages.shown, QStringList(refused.size() * 3, UnusableName));
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    EXPECT_EQ(rig.namesIn(rig.classFolder), QStringList{QStringLiteral("IMGMAIN.TXT")});
    EXPECT_EQ(rig.namesIn(QStringLiteral("C:\\A_IMAGE")), QStringList{QStringLiteral("CLASS_32")});
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("a"));
}

TEST_F(Importing, CharactersTheIndexCannotHoldAreRefusedInEveryMode) {
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    rig.openClassFolder();
    const QString name = QString::fromUtf8("caf\u00e9\U0001F600");
    EXPECT_TRUE(rig.importAs(name).stayedOpen);
    EXPECT_TRUE(rig.makeFolderAs(name).stayedOpen);
    EXPECT_TRUE(rig.renameTo(name).stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList(3, QStringLiteral("つかえないもじがあります。")));
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    EXPECT_EQ(rig.namesIn(rig.classFolder), QStringList{QStringLiteral("IMGMAIN.TXT")});
}

// The wave dash a Linux input method types is kept in the form the index
// holds, so the title and directory read back as they were made.
TEST_F(Importing, LinuxFormsOfFullWidthCharactersBecomeTheirWindowsForm) {
    rig.openClassFolder();
    rig.makeFolderAs(QString::fromUtf8("1〜3ソフト"));
    const QString title = QString::fromUtf8("1～3ソフト");
    EXPECT_EQ(rig.readIndexLines(), QStringList{title + QStringLiteral(",IMG_0001_") + title +
                                                QStringLiteral(",2002/06/15 0,")});
    EXPECT_TRUE(indexBytes().contains("1\x81\x60"
                                      "3\x83\x5C"));
    EXPECT_EQ(rig.state.folder.FolderTitle, title);
    EXPECT_EQ(rig.namesIn(rig.classFolder),
              (QStringList{QStringLiteral("IMGMAIN.TXT"), QStringLiteral("IMG_0001_") + title}));
}

TEST_F(Importing, BlanksInsideANameAreKept) {
    rig.openClassFolder();
    rig.makeFolderAs(QStringLiteral(" あき の えんそく"));
    EXPECT_EQ(
        rig.readIndexLines(),
        QStringList{QStringLiteral(" あき の えんそく,IMG_0001_ あき の えんそく,2002/06/15 0,")});
}

TEST_F(Importing, ThousandFoldersAreTheLimit) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    QStringList lines;
    for (int i = 1; i <= MaxFolderRows; ++i)
        lines
            << QStringLiteral("t%1,IMG_%2_t,2002/01/01 0,").arg(i).arg(i, 4, 10, QLatin1Char('0'));
    rig.writeIndexLines(lines);
    rig.openClassFolder();
    ASSERT_EQ(rig.state.openClass.FolderTable.count(), MaxFolderRows);
    EXPECT_TRUE(rig.importAs(QStringLiteral("x")).stayedOpen);
    EXPECT_TRUE(rig.makeFolderAs(QStringLiteral("y")).stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList(2, TooManyFolders));
    EXPECT_EQ(rig.readIndexLines(), lines);
    EXPECT_EQ(rig.namesIn(rig.classFolder), QStringList{QStringLiteral("IMGMAIN.TXT")});
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), MaxFolderRows);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);

    // Renaming adds nothing and stays possible.
    EXPECT_FALSE(rig.renameTo(QStringLiteral("z")).stayedOpen);
    EXPECT_EQ(rig.readIndexLines().first(), QStringLiteral("z,IMG_0001_t,2002/01/01 0,"));
}

// Refusals that need no answer come before the question: an index that
// another machine filled to 1003 rows since it was opened, and a pasted name
// no file system can hold.
TEST_F(Importing, AFullIndexOrAnOverlongNameIsRefusedBeforeTheQuestion) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    QStringList lines;
    for (int i = 1; i <= 1003; ++i)
        lines
            << QStringLiteral("t%1,IMG_%2_t,2002/01/01 0,").arg(i).arg(i, 4, 10, QLatin1Char('0'));
    rig.writeIndexLines(lines.mid(0, 990));
    rig.openClassFolder();
    rig.writeIndexLines(lines);
    rig.messages.answers = {true, true};
    EXPECT_TRUE(rig.importAs(QStringLiteral("x")).stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList{TooManyFolders});

    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    rig.openClassFolder();
    rig.messages.shown.clear();
    EXPECT_TRUE(rig.importAs(QString(10000, u'あ')).stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("フォルダ名がながすぎます。")});
    EXPECT_EQ(rig.readIndexLines().size(), 1);
}

TEST_F(Importing, MakingAFolderAsksNothingAndCopiesNothing) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,")});
    rig.openClassFolder();
    const auto outcome = rig.makeFolderAs(QStringLiteral("b"));
    EXPECT_FALSE(outcome.stayedOpen);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(rig.readIndexLines(), QStringList({QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                                                 QStringLiteral("b,IMG_0002_b,2002/06/15 0,")}));
    EXPECT_TRUE(rig.files.isDirectory(rig.folderPath(QStringLiteral("IMG_0002_b"))));
    EXPECT_TRUE(rig.namesIn(rig.folderPath(QStringLiteral("IMG_0002_b"))).isEmpty());
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.folder.PhotoFolder, rig.folderPath(QStringLiteral("IMG_0002_b")));
    EXPECT_EQ(rig.state.FolderNameWindowMode, FolderNameMode::MakeFolder);
}

TEST_F(Importing, RenamingChangesOnlyTheTitleAndEmptiesTheRemark) {
    rig.makePhotos(rig.folderPath(QStringLiteral("IMG_0002_b")), 2, {32, 24});
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                         QStringLiteral("b,IMG_0002_b,2002/01/01 2,３年２組,PC3")});
    rig.openClassFolder();
    rig.state.openClass.CurrentFolderIndex = 2;
    rig.state.folder.PhotoFolder = rig.folderPath(QStringLiteral("IMG_0002_b"));
    loadFolder(rig.program);

    const auto outcome = rig.renameTo(QStringLiteral("あたらしい"));
    EXPECT_EQ(outcome.initialText, QStringLiteral("b"));
    EXPECT_FALSE(outcome.stayedOpen);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_EQ(rig.readIndexLines(),
              QStringList({QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                           QStringLiteral("あたらしい,IMG_0002_b,2002/01/01 2,")}));
    EXPECT_EQ(rig.namesIn(rig.classFolder),
              QStringList({QStringLiteral("IMGMAIN.TXT"), QStringLiteral("IMG_0002_b")}));
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("あたらしい"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
    EXPECT_EQ(rig.state.FolderNameWindowMode, FolderNameMode::Rename);

    // The renamed folder still holds its number.
    rig.makeFolderAs(QStringLiteral("c"));
    EXPECT_EQ(rig.readIndexLines().last(), QStringLiteral("c,IMG_0003_c,2002/06/15 0,"));
}

TEST_F(Importing, RenamingAFolderOpenedByPathLeavesTheIndexAlone) {
    const QStringList lines = {QStringLiteral("a,IMG_0001_a,2002/01/01 0,"),
                               QStringLiteral("b,IMG_0002_b,2002/01/01 0,x")};
    rig.writeIndexLines(lines);
    rig.openClassFolder();
    rig.state.openClass.CurrentFolderIndex = 0;
    rig.state.folder.FolderTitle = QStringLiteral("他のフォルダ");
    EXPECT_FALSE(rig.renameTo(QStringLiteral("べつ")).stayedOpen);
    EXPECT_EQ(rig.readIndexLines(), lines);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("べつ"));
    EXPECT_EQ(rig.state.openClass.FolderTable.count(), 2);
    EXPECT_EQ(listRowFill(1), OtherRow);
    EXPECT_EQ(listRowFill(2), OtherRow);
}

TEST_F(Importing, EnterInTheTextBoxRunsOnce) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.openClassFolder();
    rig.messages.answers = {true, true};
    EXPECT_FALSE(rig.importAs(QStringLiteral("a"), Submit::Return).stayedOpen);
    rig.putPhoto(QStringLiteral("P1.JPG"), 2);
    EXPECT_FALSE(rig.importAs(QStringLiteral("b"), Submit::Enter).stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList(2, Question));
    EXPECT_EQ(rig.readIndexLines(), QStringList({QStringLiteral("a,IMG_0001_a,2002/06/15 1,"),
                                                 QStringLiteral("b,IMG_0002_b,2002/06/15 1,")}));
}

TEST_F(Importing, ImportOpensTheNewFolderAtItsFirstPageWithNothingMarked) {
    rig.makePhotos(rig.folderPath(QStringLiteral("IMG_0001_a")), 30, {32, 24}, 5);
    rig.writeIndexLines({QStringLiteral("a,IMG_0001_a,2002/01/01 30,")});
    rig.openClassFolder();
    rig.state.folder.PhotoMarks[3] = 1;
    rig.state.folder.PhotoMarks[30] = 1;
    rig.form->thumbnailScroll->setValue(4);
    rig.state.folder.ThumbTopRow = 4;
    rig.putPhoto(QStringLiteral("P1.JPG"), 1);

    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("new"));
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 2);
    EXPECT_EQ(rig.state.folder.PhotoCount, 1);
    EXPECT_EQ(rig.state.folder.PhotoPaths[1],
              rig.folderPath(QStringLiteral("IMG_0002_new\\20020615093012_P1.JPG")));
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("new"));
    EXPECT_EQ(rig.state.folder.ThumbTopRow, 0);
    EXPECT_EQ(rig.form->thumbnailScroll->value(), 0);
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(rig.state.folder.PhotoMarks[i], 0) << i;
    EXPECT_EQ(listRowFill(1), OtherRow);
    EXPECT_EQ(listRowFill(2), OpenRow);
    EXPECT_TRUE(nearColour(rig.panelColourAt(thumbCell(true, 0, 0, {}).picture().center()),
                           LibraryRig::photoColour(1)));
}

TEST_F(Importing, NewFolderBeyondTheListPageIsOpenedWithItsTitle) {
    QStringList lines;
    for (int i = 1; i <= 18; ++i)
        lines
            << QStringLiteral("t%1,IMG_%2_t,2002/01/01 0,").arg(i).arg(i, 4, 10, QLatin1Char('0'));
    rig.writeIndexLines(lines);
    rig.openClassFolder();
    rig.makeFolderAs(QStringLiteral("nineteen"));
    EXPECT_EQ(rig.state.openClass.FolderListTop, 0);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 19);
    EXPECT_EQ(rig.state.folder.FolderTitle, QStringLiteral("nineteen"));
    EXPECT_EQ(listRowFill(1), OtherRow);
}

TEST_F(Importing, PhotosThatVanishBeforeTheirCopyAreReported) {
    for (const char* name : {"P1.JPG", "P2.JPG", "P3.JPG", "P4.JPG"})
        rig.putPhoto(QString::fromLatin1(name));
    rig.openClassFolder();
    rig.messages.answers = {true};
    std::vector<int> progress;
    rig.whenOpen = [&](FolderNameWindow& window) {
        QObject::connect(window.importProgress, &QProgressBar::valueChanged, &window,
                         [&](int value) {
                             progress.push_back(value);
                             if (value != 1)
                                 return;
                             const QDir drive(rig.host(QStringLiteral("A:\\")));
                             for (const QString& name : drive.entryList(QDir::Files))
                                 QFile::remove(drive.filePath(name));
                         });
    };
    rig.importAs(QStringLiteral("a"));

    EXPECT_EQ(progress, std::vector<int>({1, 2, 3, 4}));
    EXPECT_EQ(rig.messages.shown, QStringList({Question, SomeNotImported}));
    EXPECT_EQ(rig.namesIn(rig.folderPath(QStringLiteral("IMG_0001_a"))).size(), 1);
    // The index row first counts the four found, then opening corrects it.
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/06/15 1,")});
    EXPECT_EQ(rig.state.folder.PhotoCount, 1);
    EXPECT_EQ(rig.state.openClass.CurrentFolderIndex, 1);
}

// Links are followed only inside their folder, so a link on the photo drive
// to a file elsewhere is not a photo of the card.
TEST_F(Importing, LinkOutOfThePhotoDriveIsNeitherCopiedNorCounted) {
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("P2.JPG"));
    QFile(outside).open(QIODevice::WriteOnly);
    rig.putPhoto(QStringLiteral("P1.JPG"));
    ASSERT_TRUE(QFile::link(outside, rig.driveHost(QStringLiteral("P2.JPG"))));
    rig.openClassFolder();
    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("a"));
    EXPECT_EQ(rig.messages.shown, QStringList({Question}));
    EXPECT_EQ(rig.namesIn(rig.folderPath(QStringLiteral("IMG_0001_a"))),
              QStringList{QStringLiteral("20020615093012_P1.JPG")});
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/06/15 1,")});
}

TEST_F(Importing, NothingIsAddedForAFolderThatCannotBeMadeOrADriveThatCannotBeRead) {
    rig.putPhoto(QStringLiteral("P1.JPG"));
    rig.openClassFolder();
    // A file in the way of the new directory.
    QFile(rig.host(rig.classFolder) + QStringLiteral("/IMG_0001_a")).open(QIODevice::WriteOnly);
    rig.messages.answers = {true};
    EXPECT_TRUE(rig.importAs(QStringLiteral("a")).stayedOpen);
    EXPECT_EQ(rig.messages.shown,
              QStringList({Question, QStringLiteral("フォルダをつくれませんでした。")}));
    EXPECT_EQ(rig.readIndexLines(), QStringList());

    // The photo drive is a file where its folder should be.
    const QString drive = rig.host(QStringLiteral("A:\\"));
    ASSERT_TRUE(QDir(drive).removeRecursively());
    QFile(drive).open(QIODevice::WriteOnly);
    rig.messages.shown.clear();
    rig.messages.answers = {true};
    EXPECT_TRUE(rig.importAs(QStringLiteral("b")).stayedOpen);
    EXPECT_EQ(rig.messages.shown,
              QStringList({Question, QStringLiteral("しゃしんのドライブがよめません。")}));
    EXPECT_EQ(rig.readIndexLines(), QStringList());
    EXPECT_EQ(rig.namesIn(rig.classFolder), QStringList{QStringLiteral("IMG_0001_a")});
}

TEST_F(Importing, EmptyPhotoDriveGivesAnEmptyFolder) {
    rig.openClassFolder();
    rig.messages.answers = {true};
    EXPECT_FALSE(rig.importAs(QStringLiteral("a")).stayedOpen);
    EXPECT_EQ(rig.messages.shown, QStringList{Question});
    EXPECT_EQ(rig.readIndexLines(), QStringList{QStringLiteral("a,IMG_0001_a,2002/06/15 0,")});
}

TEST_F(Importing, ImportEndsWithItsThumbnailsMadeAndKeptForTheNextStart) {
    // Large enough that a thumbnail takes longer to make than its photo to copy.
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(writeTestJpeg(rig.driveHost(QStringLiteral("P%1.JPG").arg(i)), {2400, 1800},
                                  {.noise = true}));
    rig.messages.answers = {true};
    int madeWhenFull = -1;
    rig.whenOpen = [&](FolderNameWindow& window) {
        QObject::connect(window.importProgress, &QProgressBar::valueChanged, &window,
                         [&](int value) {
                             if (value == 3)
                                 madeWhenFull = rig.thumbnails.decodeCount();
                         });
    };
    rig.importAs(QStringLiteral("new"));
    ASSERT_EQ(rig.state.folder.PhotoCount, 3);
    // All made before the bar was full, each once; the page drew them from memory.
    EXPECT_EQ(madeWhenFull, 3);
    EXPECT_EQ(rig.thumbnails.decodeCount(), 3);
    const DesktopThumbnailCache cache(rig.thumbnailRoot());
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(QFile::exists(cache.largeEntryPath(rig.host(rig.state.folder.PhotoPaths[n]))))
            << n;
    EXPECT_TRUE(showsTestPicture(
        rig.form->thumbnailPanel->image().copy(thumbCell(true, 2, 0, {}).picture())));
}

} // namespace
