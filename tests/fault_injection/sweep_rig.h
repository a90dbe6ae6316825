// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/fault_plan.h"
#include "support_library/library_fixture.h"

#include <QString>
#include <functional>

// A school's files as every command finds them, with every command of the
// main window connected: the class folder CLASS_32 with the folders a (three
// photos), b (two) and c (one), open at a; the class folder CLASS_11; a
// database with one folder; three photos on the photo drive A:; the settings
// file in the program folder; and a folder on D: that no command has any
// business with. Every photo has its own colour, so its bytes tell it apart.
struct SweepRig : LibraryRig {
    SweepRig();

    // Opens the import window with opener, types name and runs it.
    void runFolderNameWindow(const std::function<void()>& opener, const QString& name);
    void markPhotos(int first, int last);
    void clickFolderRow(int row);
    // Drive path of the photo folder of row `row` of the class folder.
    QString rowFolder(int row) const;

    const QString databaseRoot = QStringLiteral("C:\\Adb_image\\");
    const QString photoDrive = QStringLiteral("A:\\");
    FaultPlan faults;
};
