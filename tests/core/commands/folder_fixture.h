// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_controls.h"
#include "support_library/library_fixture.h"
#include "ui/widgets/picture_box.h"

#include <QList>
#include <QTest>
#include <gtest/gtest.h>

// A class folder whose rows are named f1, f2 ... in directories
// IMG_0001_f1 ..., with the commands connected to the main window.
class FolderCommands : public ::testing::Test {
protected:
    explicit FolderCommands(int screenWidth = 1024) : rig(screenWidth) {}

    static QString directoryOf(int row) {
        return QStringLiteral("IMG_%1_f%2").arg(row, 4, 10, QLatin1Char('0')).arg(row);
    }
    QString folderOf(int row) const { return rig.classFolder + u'\\' + directoryOf(row); }
    static QString indexLine(int row, int count) {
        return QStringLiteral("f%1,%2,2002/06/15 %3,").arg(row).arg(directoryOf(row)).arg(count);
    }

    // One folder per entry with that many photos; opens the class folder.
    void makeFolders(const QList<int>& photoCounts) {
        QStringList lines;
        for (int row = 1; row <= photoCounts.size(); ++row) {
            const int count = photoCounts[row - 1];
            rig.makePhotos(folderOf(row), count, {32, 24});
            lines << indexLine(row, count);
        }
        rig.writeIndexLines(lines);
        rig.openClassFolder();
    }
    // count rows whose directories do not exist; opens the class folder.
    void makeRowsOnly(int count) {
        QStringList lines;
        for (int row = 1; row <= count; ++row)
            lines << indexLine(row, 0);
        rig.writeIndexLines(lines);
        rig.openClassFolder();
    }

    void clickFolderList(int y) {
        QTest::mouseClick(control<PictureBox>(*rig.form, "folderList"), Qt::LeftButton, {},
                          {60, y});
    }
    // The fill of screen row i of the folder list, clear of its text.
    QColor listRowFill(int i) const {
        return control<PictureBox>(*rig.form, "folderList")->image().pixelColor(190, 34 * i + 44);
    }

    LibraryRig rig;
};

inline const QColor ListBackground(255, 192, 192);
inline const QColor OpenRow(100, 255, 20);
inline const QColor OtherRow(255, 240, 255);
