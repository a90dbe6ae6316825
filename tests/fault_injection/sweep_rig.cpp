// SPDX-License-Identifier: GPL-3.0-or-later
#include "fault_injection/sweep_rig.h"

#include "app/database_wiring.h"
#include "app/folder_wiring.h"
#include "app/photo_wiring.h"
#include "app/secondary_windows.h"
#include "core/files/cp932_text.h"
#include "core/library/library_paths.h"
#include "support/cp932_files.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/widgets/picture_box.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct FolderMade {
    QString title;
    QStringList photos;
};

} // namespace

SweepRig::SweepRig() : programFolder(root.filePath(QStringLiteral("program"))) {
    int colour = 0;
    const auto putPhotos = [&](const QString& folder, const QStringList& names) {
        files.makeDirectory(folder);
        for (const QString& name : names) {
            QImage image(16, 12, QImage::Format_RGB32);
            image.fill(photoColour(++colour));
            image.save(host(joinPath(folder, name)), "JPG", 90);
        }
    };
    const auto writeIndex = [&](const QString& classFolder, const QList<FolderMade>& folders,
                                const QString& remark) {
        QStringList lines;
        for (int i = 0; i < folders.size(); ++i) {
            const QString directory =
                QStringLiteral("IMG_%1_").arg(i + 1, 4, 10, QChar(u'0')) + folders[i].title;
            putPhotos(joinPath(classFolder, directory), folders[i].photos);
            lines << QStringLiteral("%1,%2,2002/06/01 %3,%4")
                         .arg(folders[i].title, directory)
                         .arg(folders[i].photos.size())
                         .arg(remark);
        }
        writeCp932Lines(host(indexPathOf(classFolder)), lines);
    };

    writeIndex(classFolder,
               {{QStringLiteral("a"), {"a001.JPG", "a002.JPG", "a003.JPG"}},
                {QStringLiteral("b"), {"b001.JPG", "b002.JPG"}},
                {QStringLiteral("c"), {"c001.JPG"}}},
               {});
    const QString otherClass = QStringLiteral("C:\\A_IMAGE\\CLASS_11");
    files.makeDirectory(otherClass);
    writeIndex(otherClass, {{QStringLiteral("o"), {"o001.JPG"}}}, {});
    files.makeDirectory(databaseRoot);
    writeIndex(databaseRoot, {{QStringLiteral("x"), {"x001.JPG"}}}, QStringLiteral("１年１組"));
    putPhotos(photoDrive, {"DSC00001.JPG", "DSC00002.JPG", "DSC00003.JPG"});
    putPhotos(QStringLiteral("D:\\KEEP"), {"k001.JPG"});
    QDir().mkpath(programFolder);
    writeCp932Lines(
        programFolder + u'/' + QStringLiteral("DRVDATA.TXT"),
        {"A:\\", "C:\\A_image\\", "", QStringLiteral("学校利用"), " 3 ", "C:\\Adb_image\\"});

    state.settings.PhotoDrivePath = photoDrive;
    state.settings.DatabaseRoot = databaseRoot;
    state.settings.SaveBase = QStringLiteral("C:\\A_IMAGE\\");
    state.settings.SaveRoot = state.settings.SaveBase;
    state.settings.SaveRootSetting = QStringLiteral("C:\\A_image\\");
    state.openClass.ClassSubFolder = QStringLiteral("CLASS_32");
    state.settings.PcNumber = 3;
    connectFolderCommands(program, *form);
    connectPhotoCommands(program, *form);
    connectDatabaseCommands(program, *form);
    new SecondaryWindows(program, *form, programFolder, [this] { ++programEnds; });
    openClassFolder();
    state.folder.FolderTitle = state.openClass.FolderTable[1][ColTitle];
}

void SweepRig::runFolderNameWindow(const std::function<void()>& opener, const QString& name) {
    modals.script = [name](QDialog& dialog) {
        auto& window = dynamic_cast<FolderNameWindow&>(dialog);
        window.nameEdit->setText(name);
        window.runButton->click();
    };
    opener();
    modals.script = nullptr;
}

void SweepRig::markPhotos(int first, int last) {
    for (int n = first; n <= last; ++n)
        state.folder.PhotoMarks[n] = 1;
}

void SweepRig::clickFolderRow(int row) {
    QTest::mouseClick(form->folderList, Qt::LeftButton, {}, {60, 20 + 34 * row});
}

QString SweepRig::rowFolder(int row) const {
    return joinPath(classFolder, state.openClass.FolderTable[row][ColDirectory]);
}
