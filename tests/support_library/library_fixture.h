// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/test_rig.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

// Every command of the main window connected, and a class folder on the
// temporary C: drive with photo folders of solid, numbered colours, so a
// thumbnail's pixels tell which photo it shows. Saving the settings writes
// them in programFolder and counts an end of the program.
struct LibraryRig : FormRig {
    explicit LibraryRig(int screenWidth = 1024);

    // The colour of photo n (1-based), distinct for the first few hundred.
    static QColor photoColour(int n);

    // Makes folder (a drive path) with count photos of size, named
    // P001.JPG..; returns their drive paths.
    QStringList makePhotos(const QString& folder, int count, QSize size = {320, 240},
                           int firstColour = 1);
    // The number in the file name of photo n of the open folder (P007.JPG: 7),
    // which picks its colour.
    int photoFileNumber(int n) const;
    // Writes the class folder's index from the given lines (CR LF, CP932).
    void writeIndexLines(const QStringList& lines);
    QStringList readIndexLines() const;
    // The class folder's index as bytes on disk.
    void writeIndexBytes(const QByteArray& bytes);
    QByteArray readIndexBytes() const;

    // Opens the class folder the way choosing a class does, at row 1.
    void openClassFolder();

    // The colour in the middle of a rect of thumbnailPanel's drawing.
    QColor panelColourAt(QPoint pos) const;

    const QString classFolder = QStringLiteral("C:\\A_IMAGE\\CLASS_32");
    QString programFolder; // host path
    int programEnds = 0;
};

// A test on a library rig with a screen screenWidth pixels wide.
class LibraryTest : public ::testing::Test {
protected:
    explicit LibraryTest(int screenWidth = 1024) : rig(screenWidth) {}

    LibraryRig rig;
};

// True when two colours differ by at most tolerance in every channel.
bool nearColour(const QColor& a, const QColor& b, int tolerance = 12);
