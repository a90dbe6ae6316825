// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/save_to_photo_drive.h"
#include "core/files/photo_drive.h"
#include "support/card_image.h"
#include "support/mount_tools.h"
#include "support_library/import_rig.h"
#include "ui/folder_name_window/folder_name_window.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

void writePhoto(const QString& hostPath, int colour) {
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(LibraryRig::photoColour(colour));
    image.save(hostPath, "JPG", 95);
}

bool showsColour(const QString& hostPath, int colour) {
    const QImage image(hostPath);
    return !image.isNull() && nearColour(image.pixelColor(32, 24), LibraryRig::photoColour(colour));
}

// The rig with cards looked for under root/media/pupil, where none is yet.
struct CardRig : ImportRig {
    CardRig() {
        DriveMap drives(root.filePath(QStringLiteral("drives")));
        drives.setCardRoots({root.filePath(QStringLiteral("media/pupil"))});
        files = FileSystem(drives);
        openClassFolder();
        whenOpen = [this](FolderNameWindow& window) { shownLine = window.photoDriveLine->text(); };
        messages.answers = {true, true, true};
    }
    QString shownLine;
};

TEST(ImportOrder, PhotosComeInNameOrderWhateverOrderTheyWereWritten) {
    ImportRig rig;
    for (int n : {7, 12, 1, 10, 3, 9, 2, 11, 5, 8, 4, 6})
        rig.putPhoto(
            QString::fromLatin1(n % 2 ? "IMG_%1.JPG" : "img_%1.jpg").arg(n, 4, 10, QChar(u'0')));
    rig.openClassFolder();
    rig.messages.answers = {true};
    rig.importAs(QStringLiteral("えんそく"));
    for (int n = 1; n <= 12; ++n)
        EXPECT_TRUE(rig.state.folder.PhotoPaths[n].endsWith(
            QStringLiteral("IMG_%1.JPG").arg(n, 4, 10, QChar(u'0')), Qt::CaseInsensitive));
}

TEST(NoCard, TheImportSaysSoAndChangesNothing) {
    CardRig rig;
    EXPECT_TRUE(rig.importAs(QStringLiteral("えんそく")).stayedOpen);
    EXPECT_EQ(rig.shownLine, QStringLiteral("カードがみつかりません。"));
    EXPECT_EQ(rig.messages.shown, QStringList{NoCardMessage});
    EXPECT_TRUE(rig.namesIn(rig.classFolder).isEmpty()) << "neither a folder nor an index";
}

class RealCard : public ::testing::TestWithParam<CardImage::Format> {};

// Numbering restarts in 101CANON; .hidden and MISC hold no camera photos.
TEST_P(RealCard, BothDcimFoldersArriveInOrderAndNoPhotoReplacesAnother) {
    CardRig rig;
    CardImage card(GetParam(), rig.root.filePath(QStringLiteral("media/pupil/CARD")));
    if (const QString failure = card.start(); !failure.isEmpty()) {
        if (card.skippable())
            GTEST_SKIP() << failure.toStdString();
        FAIL() << failure.toStdString();
    }
    const char* const onCard[] = {"DCIM/101CANON/IMG_0002.JPG", "DCIM/100CANON/IMG_0003.JPG",
                                  "DCIM/101CANON/img_0001.jpg", "DCIM/100CANON/IMG_0001.JPG",
                                  "DCIM/100CANON/IMG_0002.JPG", "DCIM/.hidden/IMG_0009.JPG",
                                  "MISC/IMG_0008.JPG"};
    for (int i = 0; i < 7; ++i)
        writePhoto(card.mountPoint() + u'/' + QLatin1String(onCard[i]), i + 1);
    rig.importAs(QStringLiteral("えんそく"));

    EXPECT_EQ(rig.shownLine, QStringLiteral("CARD に 5まい（あたらしい しゃしん 5まい）"));
    // By colour; named so that 100CANON's three come before 101CANON's two.
    const char* const arrived[] = {"002_IMG_0002.JPG", "001_IMG_0003.JPG", "002_img_0001.jpg",
                                   "001_IMG_0001.JPG", "001_IMG_0002.JPG"};
    const QString folder =
        rig.host(rig.state.folder.PhotoFolder) + QStringLiteral("/20020615093012_");
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(showsColour(folder + QLatin1String(arrived[i]), i + 1)) << arrived[i];
    EXPECT_TRUE(rig.state.folder.PhotoCount == 5 && rig.readIndexLines().value(0).endsWith(" 5,"));
    rig.state.folder.PhotoMarks[1] = 1; // saved to the same card
    saveToPhotoDrive(rig.program);
    EXPECT_TRUE(
        showsColour(card.mountPoint() + QStringLiteral("/20020615093012_001_IMG_0001.JPG"), 4));

    // A drive that DRIVES.TXT names wins over the card.
    DriveMap mapped = rig.files.drives();
    mapped.setDrive(u'A', rig.root.filePath(QStringLiteral("mapped")));
    rig.files = FileSystem(mapped);
    writePhoto(rig.root.filePath(QStringLiteral("mapped/DSC.JPG")), 6);
    rig.importAs(QStringLiteral("えんそく"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 1);
    EXPECT_TRUE(showsColour(rig.host(rig.state.folder.PhotoPaths[1]), 6));
}

// A card with Linux names: a folder bound where the desktop mounts cards.
struct BoundCard {
    BoundCard(const QString& source, const QString& mountPoint) : mountPoint(mountPoint) {
        QDir().mkpath(mountPoint);
        bound = runQuietly(QStringLiteral("mount"), {QStringLiteral("--bind"), source, mountPoint});
    }
    ~BoundCard() {
        if (bound)
            runQuietly(QStringLiteral("umount"), {mountPoint});
    }
    QString mountPoint;
    bool bound = false;
};

// A camera folder named to climb out of the card reaches nothing outside it,
// whatever Z: stands for, and a Z: mapped to a share does not hide the card.
TEST(LinuxNamedCard, ImportsOnlyWhatIsOnTheCardWhateverZStandsFor) {
    for (const bool zIsShare : {false, true}) {
        CardRig rig;
        if (zIsShare) {
            DriveMap drives = rig.files.drives();
            drives.setDrive(u'Z', rig.root.filePath(QStringLiteral("share")));
            rig.files = FileSystem(drives);
        }
        const QString source = rig.root.filePath(QStringLiteral("stick"));
        writePhoto(source + QStringLiteral("/DCIM/100CANON/IMG_0001.JPG"), 1);
        QDir().mkpath(source + QStringLiteral("/DCIM/x\\..\\..\\..\\..\\..\\outside"));
        writePhoto(rig.root.filePath(QStringLiteral("outside/VICTIM.JPG")), 2);
        const QStringList before =
            QDir(rig.root.filePath(QStringLiteral("outside"))).entryList(QDir::Files);
        BoundCard card(source, rig.root.filePath(QStringLiteral("media/pupil/CARD")));
        if (!card.bound)
            GTEST_SKIP() << "mount --bind needs root";

        rig.importAs(QStringLiteral("えんそく"));
        EXPECT_TRUE(
            rig.shownLine.endsWith(QStringLiteral(" に 1まい（あたらしい しゃしん 1まい）")))
            << zIsShare;
        EXPECT_EQ(rig.state.folder.PhotoCount, 1) << zIsShare;
        EXPECT_TRUE(showsColour(rig.host(rig.state.folder.PhotoPaths[1]), 1)) << zIsShare;
        EXPECT_EQ(QDir(rig.root.filePath(QStringLiteral("outside"))).entryList(QDir::Files),
                  before);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RealCard,
                         ::testing::Values(CardImage::Format::ExFat, CardImage::Format::Fat32));

} // namespace
