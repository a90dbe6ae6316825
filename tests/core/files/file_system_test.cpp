// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/fault_plan.h"
#include "core/files/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    QString drives() const { return root.filePath(QStringLiteral("drives")); }
    QString onDrive(const QString& relative) const { return drives() + u'/' + relative; }

    static void writeBytes(const QString& hostPath, const QByteArray& bytes) {
        QFile file(hostPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << hostPath.toStdString();
        file.write(bytes);
    }
    static QByteArray readBytes(const QString& hostPath) {
        QFile file(hostPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    void makeHostFolder(const QString& relative) const {
        ASSERT_TRUE(QDir().mkpath(onDrive(relative)));
    }

    QTemporaryDir root;
    FileSystem files{DriveMap(drives())};
};

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

} // namespace

TEST_F(FileSystemTest, DrivePathsMapIntoTheDriveFolderWhichIsMadeOnFirstUse) {
    EXPECT_EQ(files.hostPath(QStringLiteral("C:\\A_IMAGE\\CLASS_32\\IMGMAIN.TXT")),
              onDrive(QStringLiteral("c/A_IMAGE/CLASS_32/IMGMAIN.TXT")));
    EXPECT_TRUE(QFileInfo(onDrive(QStringLiteral("c"))).isDir());
    EXPECT_EQ(files.hostPath(QStringLiteral("c:\\")), onDrive(QStringLiteral("c")));
    EXPECT_EQ(files.hostPath(QStringLiteral("Z:\\usr\\share")), QStringLiteral("/usr/share"));
}

TEST_F(FileSystemTest, TextsWithoutADriveHaveNoHostPath) {
    for (const QString& text : {QString(), QStringLiteral("A_IMAGE\\x"), QStringLiteral("1:\\x"),
                                QStringLiteral("\\\\server\\share")}) {
        EXPECT_TRUE(files.hostPath(text).isEmpty()) << text.toStdString();
        EXPECT_FALSE(files.exists(text));
        EXPECT_FALSE(files.makeDirectory(text));
        EXPECT_FALSE(files.readTextLines(text).has_value());
        EXPECT_FALSE(files.writeTextLines(text, {QStringLiteral("x")}));
    }
}

TEST_F(FileSystemTest, ExistingComponentsAreFoundWithoutRegardToCase) {
    makeHostFolder(QStringLiteral("c/A_IMAGE/CLASS_32"));
    writeBytes(onDrive(QStringLiteral("c/A_IMAGE/CLASS_32/IMGMAIN.TXT")), "x");

    EXPECT_EQ(files.hostPath(QStringLiteral("C:\\a_image\\class_32\\imgmain.txt")),
              onDrive(QStringLiteral("c/A_IMAGE/CLASS_32/IMGMAIN.TXT")));
    EXPECT_TRUE(files.isDirectory(QStringLiteral("C:\\A_image\\")));
    EXPECT_FALSE(files.makeDirectory(QStringLiteral("C:\\a_image")));
    // A name that does not exist yet keeps the spelling given.
    EXPECT_EQ(files.hostPath(QStringLiteral("C:\\a_image\\Class_33\\ImgMain.txt")),
              onDrive(QStringLiteral("c/A_IMAGE/Class_33/ImgMain.txt")));
}

TEST_F(FileSystemTest, DoubledSeparatorsAndDotsStayInsideTheDrive) {
    makeHostFolder(QStringLiteral("c/A_IMAGE"));
    EXPECT_EQ(files.hostPath(QStringLiteral("C:\\A_IMAGE\\\\IMG_0001")),
              onDrive(QStringLiteral("c/A_IMAGE/IMG_0001")));
    EXPECT_EQ(files.hostPath(QStringLiteral("C:\\A_IMAGE\\..\\..\\..\\etc\\passwd")),
              onDrive(QStringLiteral("c/etc/passwd")));
    EXPECT_EQ(files.hostPath(QStringLiteral("C:\\.\\A_IMAGE\\")),
              onDrive(QStringLiteral("c/A_IMAGE")));
}

TEST_F(FileSystemTest, HostPathsComeBackByTheLongestMatchingDrive) {
    DriveMap map(drives());
    map.setDrive(u'A', root.filePath(QStringLiteral("card")));
    map.setDrive(u'D', onDrive(QStringLiteral("c/nested")));
    const FileSystem mapped(map);

    EXPECT_EQ(mapped.drivePath(onDrive(QStringLiteral("c/A_IMAGE/IMG_0001_えんそく"))),
              QStringLiteral("C:\\A_IMAGE\\IMG_0001_えんそく"));
    EXPECT_EQ(mapped.drivePath(onDrive(QStringLiteral("c/nested/x.jpg"))),
              QStringLiteral("D:\\x.jpg"));
    EXPECT_EQ(mapped.drivePath(onDrive(QStringLiteral("c/nestedmore"))),
              QStringLiteral("C:\\nestedmore"));
    EXPECT_EQ(mapped.drivePath(root.filePath(QStringLiteral("card"))), QStringLiteral("A:\\"));
    EXPECT_EQ(mapped.drivePath(QStringLiteral("/usr/share/")), QStringLiteral("Z:\\usr\\share"));
    EXPECT_EQ(mapped.drivePath(QStringLiteral("/")), QStringLiteral("Z:\\"));
    EXPECT_EQ(mapped.drivePath(onDrive(QStringLiteral("c/x\\..\\A_IMAGE"))), QString());

    const QString photo = root.filePath(QStringLiteral("card/DCIM/P001.JPG"));
    EXPECT_EQ(mapped.hostPath(mapped.drivePath(photo)), photo);
}

TEST_F(FileSystemTest, AMissingDriveFolderIsReportedAndNotMade) {
    DriveMap map(drives());
    map.setDrive(u'A', root.filePath(QStringLiteral("nocard")));
    const FileSystem mapped(map);
    writeBytes(root.filePath(QStringLiteral("photo.jpg")), "jpeg");
    const QString photo = mapped.drivePath(root.filePath(QStringLiteral("photo.jpg")));

    EXPECT_FALSE(mapped.exists(QStringLiteral("A:\\")));
    EXPECT_TRUE(mapped.listFiles(QStringLiteral("A:\\"), QStringLiteral("*.JP*")).isEmpty());
    EXPECT_FALSE(mapped.copyFile(photo, QStringLiteral("A:\\photo.jpg")));
    EXPECT_FALSE(mapped.makeDirectory(QStringLiteral("A:\\DCIM")));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("nocard"))));
}

TEST(FilePatternTest, ExtensionsAndNamesMatchWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.jpg", "*.JP*", true},
        {"b.JPEG", "*.JP*", true},
        {"c.Jpg", "*.JP*", true},
        {"x.y.jpg", "*.JP*", true},
        {"d.png", "*.JP*", false},
        {"JPG", "*.JP*", false},
        {"e.jpg.bak", "*.JP*", false},
        {"f.j", "*.JP*", false},
        {"README", "*.*", true},
        {".hidden", "*.*", true},
        {"imgmain.txt", "IMGMAIN.TXT", true},
        {"IMGMAIN.TXT.old", "IMGMAIN.TXT", false},
        {"a.JPG", "?.jpg", true},
        {"ab.JPG", "?.jpg", false},
        {"えんそく.JPG", "*.jp?", true},
        {"P1.JPG", "P*1.JPG", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesFilePattern(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)),
                  c.matches)
            << c.name << " against " << c.pattern;
}

TEST_F(FileSystemTest, ListingGivesOrdinaryVisibleFilesThatMatch) {
    makeHostFolder(QStringLiteral("c/IMG/sub.jpg"));
    for (const char* name : {"a.jpg", "b.JPEG", "c.Jpg", "d.png", "JPG", ".hidden.jpg"})
        writeBytes(onDrive(QStringLiteral("c/IMG/") + QLatin1String(name)), "x");
    ASSERT_TRUE(QFile::link(onDrive(QStringLiteral("c/IMG/missing.jpg")),
                            onDrive(QStringLiteral("c/IMG/dangling.jpg"))));

    EXPECT_EQ(
        sorted(files.listFiles(QStringLiteral("C:\\img\\"), QStringLiteral("*.JP*"))),
        (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.JPEG"), QStringLiteral("c.Jpg")}));
    EXPECT_EQ(sorted(files.listFiles(QStringLiteral("C:\\IMG"), QStringLiteral("*.*"))),
              (QStringList{QStringLiteral("JPG"), QStringLiteral("a.jpg"), QStringLiteral("b.JPEG"),
                           QStringLiteral("c.Jpg"), QStringLiteral("d.png")}));
    EXPECT_TRUE(files.listFiles(QStringLiteral("C:\\NOWHERE"), QStringLiteral("*.*")).isEmpty());
}

TEST_F(FileSystemTest, AFolderThatCannotBeListedIsToldApartFromAnEmptyOne) {
    makeHostFolder(QStringLiteral("c/EMPTY"));
    writeBytes(onDrive(QStringLiteral("c/FILE.JPG")), "x");
    bool ok = false;
    EXPECT_TRUE(files.listFiles(QStringLiteral("C:\\EMPTY"), QStringLiteral("*.*"), &ok).isEmpty());
    EXPECT_TRUE(ok);
    for (const char* folder : {"C:\\NOWHERE", "C:\\FILE.JPG", "no drive"}) {
        files.listFiles(QString::fromUtf8(folder), QStringLiteral("*.*"), &ok);
        EXPECT_FALSE(ok) << folder;
    }
    EXPECT_TRUE(files.isMissing(QStringLiteral("C:\\NOWHERE\\DEEPER")));
    EXPECT_FALSE(files.isMissing(QStringLiteral("C:\\EMPTY")));
}

TEST_F(FileSystemTest, AFaultPlanFailsOnlyTheChosenOperationAndLeavesTheOldFileWhole) {
    const QString index = QStringLiteral("C:\\IMGMAIN.TXT");
    ASSERT_TRUE(files.writeFile(index, "old\r\n"));
    FaultPlan faults;
    files.setFaultPlan(&faults);
    // A save is opened, written and committed; the second commit fails.
    faults.failAt(2, FileOperation::Commit);
    EXPECT_TRUE(files.writeFile(index, "first\r\n"));
    EXPECT_FALSE(faults.failed());
    EXPECT_FALSE(files.writeTextLines(index, {QStringLiteral("second")}));
    EXPECT_EQ(faults.failed(), FileOperation::Commit);
    EXPECT_EQ(faults.operationsAsked(), 6);
    EXPECT_EQ(readBytes(onDrive(QStringLiteral("c/IMGMAIN.TXT"))), QByteArray("first\r\n"));
    EXPECT_EQ(QDir(onDrive(QStringLiteral("c"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("IMGMAIN.TXT")});

    faults.failAt(1);
    EXPECT_EQ(files.readFile(index).status, FileSystem::FileRead::Unreadable);
    EXPECT_EQ(files.readFile(index).status, FileSystem::FileRead::Read);
    faults.failFrom(2, FileOperation::MakeDirectory);
    EXPECT_TRUE(files.makeDirectory(QStringLiteral("C:\\FIRST")));
    EXPECT_FALSE(files.makeDirectory(QStringLiteral("C:\\SECOND")));
    EXPECT_FALSE(files.makeDirectory(QStringLiteral("C:\\THIRD")));
    EXPECT_FALSE(QFileInfo::exists(onDrive(QStringLiteral("c/THIRD"))));
}

TEST_F(FileSystemTest, CopyReplacesAFileOfTheSameName) {
    makeHostFolder(QStringLiteral("c/FROM"));
    makeHostFolder(QStringLiteral("c/TO"));
    writeBytes(onDrive(QStringLiteral("c/FROM/P1.JPG")), "new photo");
    writeBytes(onDrive(QStringLiteral("c/TO/P1.JPG")), "old photo, longer than the new one");

    EXPECT_TRUE(
        files.copyFile(QStringLiteral("C:\\FROM\\P1.JPG"), QStringLiteral("C:\\to\\p1.jpg")));
    EXPECT_EQ(readBytes(onDrive(QStringLiteral("c/TO/P1.JPG"))), QByteArray("new photo"));
    EXPECT_EQ(readBytes(onDrive(QStringLiteral("c/FROM/P1.JPG"))), QByteArray("new photo"));
    EXPECT_EQ(QDir(onDrive(QStringLiteral("c/TO")))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("P1.JPG")});
}

TEST_F(FileSystemTest, FailedCopiesLeaveTheDestinationWhole) {
    makeHostFolder(QStringLiteral("c/TO"));
    makeHostFolder(QStringLiteral("c/FROM/DIR.JPG"));
    const QString target = onDrive(QStringLiteral("c/TO/P1.JPG"));
    writeBytes(target, "old photo");

    EXPECT_FALSE(
        files.copyFile(QStringLiteral("C:\\FROM\\GONE.JPG"), QStringLiteral("C:\\TO\\P1.JPG")));
    EXPECT_FALSE(
        files.copyFile(QStringLiteral("C:\\FROM\\DIR.JPG"), QStringLiteral("C:\\TO\\P1.JPG")));
    EXPECT_EQ(readBytes(target), QByteArray("old photo"));

    writeBytes(onDrive(QStringLiteral("c/FROM/P1.JPG")), "new photo");
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(
        files.copyFile(QStringLiteral("C:\\FROM\\P1.JPG"), QStringLiteral("C:\\TO\\P1.JPG")));
    EXPECT_EQ(readBytes(target), QByteArray("old photo"));

    EXPECT_FALSE(files.copyFile(QStringLiteral("C:\\FROM\\P1.JPG"), QStringLiteral("C:\\TO")));
    EXPECT_FALSE(
        files.copyFile(QStringLiteral("C:\\FROM\\P1.JPG"), QStringLiteral("C:\\MISSING\\P1.JPG")));
}

TEST_F(FileSystemTest, DirectoriesAreMadeAndRemovedOneLevelAtATime) {
    EXPECT_FALSE(files.makeDirectory(QStringLiteral("C:\\A_IMAGE\\CLASS_11")));
    EXPECT_TRUE(files.makeDirectory(QStringLiteral("C:\\A_IMAGE\\")));
    EXPECT_FALSE(files.makeDirectory(QStringLiteral("C:\\A_IMAGE")));
    EXPECT_TRUE(files.makeDirectory(QStringLiteral("C:\\A_IMAGE\\CLASS_11")));
    writeBytes(onDrive(QStringLiteral("c/A_IMAGE/CLASS_11/IMGMAIN.TXT")), "");

    EXPECT_FALSE(files.removeDirectory(QStringLiteral("C:\\A_IMAGE\\CLASS_11")));
    EXPECT_FALSE(files.removeFile(QStringLiteral("C:\\A_IMAGE\\CLASS_11\\")));
    EXPECT_TRUE(files.removeFile(QStringLiteral("C:\\A_IMAGE\\CLASS_11\\IMGMAIN.TXT")));
    EXPECT_FALSE(files.removeFile(QStringLiteral("C:\\A_IMAGE\\CLASS_11\\IMGMAIN.TXT")));
    EXPECT_TRUE(files.removeDirectory(QStringLiteral("C:\\a_image\\class_11")));
    EXPECT_TRUE(files.removeDirectory(QStringLiteral("C:\\A_IMAGE")));
    EXPECT_FALSE(files.removeDirectory(QStringLiteral("C:\\")));
    EXPECT_TRUE(QFileInfo(onDrive(QStringLiteral("c"))).isDir());
}

TEST_F(FileSystemTest, TextFilesAreFoundLikeAnyOtherPath) {
    makeHostFolder(QStringLiteral("c/A_IMAGE"));
    ASSERT_TRUE(
        files.writeTextLines(QStringLiteral("C:\\a_image\\IMGMAIN.TXT"),
                             {QStringLiteral("えんそく,IMG_0001_えんそく,2002/05/20 24,")}));
    EXPECT_EQ(readBytes(onDrive(QStringLiteral("c/A_IMAGE/IMGMAIN.TXT"))),
              QByteArray("\x82\xA6\x82\xF1\x82\xBB\x82\xAD,IMG_0001_"
                         "\x82\xA6\x82\xF1\x82\xBB\x82\xAD,2002/05/20 24,\r\n"));
    const auto lines = files.readTextLines(QStringLiteral("C:\\A_IMAGE\\imgmain.txt"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, QStringList{QStringLiteral("えんそく,IMG_0001_えんそく,2002/05/20 24,")});
    EXPECT_FALSE(files.readTextLines(QStringLiteral("C:\\A_IMAGE\\NONE.TXT")).has_value());
}

// A link that leaves its folder is never listed, copied from or written
// through; removing a link removes only the link.
TEST_F(FileSystemTest, LinksLeavingTheirFolderAreNeverFollowed) {
    makeHostFolder(QStringLiteral("c/IMG"));
    makeHostFolder(QStringLiteral("c/OUT"));
    makeHostFolder(QStringLiteral("c/TO"));
    const QString outside = onDrive(QStringLiteral("c/OUT/SECRET.JPG"));
    writeBytes(outside, "outside");
    writeBytes(onDrive(QStringLiteral("c/IMG/OWN.JPG")), "own");
    ASSERT_TRUE(QFile::link(outside, onDrive(QStringLiteral("c/IMG/OUT.JPG"))));
    ASSERT_TRUE(
        QFile::link(onDrive(QStringLiteral("c/OUT")), onDrive(QStringLiteral("c/IMG/DIR.JPG"))));
    ASSERT_TRUE(QFile::link(onDrive(QStringLiteral("c/IMG/OWN.JPG")),
                            onDrive(QStringLiteral("c/IMG/SAME.JPG"))));
    ASSERT_TRUE(QFile::link(outside, onDrive(QStringLiteral("c/TO/P1.JPG"))));

    EXPECT_EQ(sorted(files.listFiles(QStringLiteral("C:\\IMG"), QStringLiteral("*.*"))),
              (QStringList{QStringLiteral("OWN.JPG"), QStringLiteral("SAME.JPG")}));
    EXPECT_FALSE(
        files.copyFile(QStringLiteral("C:\\IMG\\OUT.JPG"), QStringLiteral("C:\\TO\\OUT.JPG")));
    EXPECT_FALSE( // no link is followed to read a photo, even one inside
        files.copyFile(QStringLiteral("C:\\IMG\\SAME.JPG"), QStringLiteral("C:\\TO\\SAME.JPG")));
    EXPECT_FALSE(
        files.copyFile(QStringLiteral("C:\\IMG\\OWN.JPG"), QStringLiteral("C:\\TO\\P1.JPG")));
    EXPECT_EQ(readBytes(outside), QByteArray("outside"));

    EXPECT_TRUE(files.removeFile(QStringLiteral("C:\\IMG\\OUT.JPG")));
    EXPECT_TRUE(files.removeFile(QStringLiteral("C:\\IMG\\DIR.JPG")));
    EXPECT_EQ(readBytes(outside), QByteArray("outside"));
    EXPECT_TRUE(QFileInfo::exists(onDrive(QStringLiteral("c/OUT"))));
    EXPECT_FALSE(QFileInfo(onDrive(QStringLiteral("c/IMG/OUT.JPG"))).isSymLink());
}
