// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/database_wiring.h"
#include "app/folder_wiring.h"
#include "app/secondary_windows.h"
#include "core/files/cp932_text.h"
#include "core/library/library_paths.h"
#include "support/cp932_files.h"
#include "support_library/library_fixture.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A class folder (３年２組, CLASS_32) and a database folder on drive C:, with
// the database and folder commands connected to the main window.
struct DatabaseRig : LibraryRig {
    DatabaseRig() {
        files.makeDirectory(databaseRoot);
        state.settings.DatabaseRoot = databaseRoot;
        state.settings.SaveBase = QStringLiteral("C:\\A_IMAGE\\");
        state.settings.SaveRoot = state.settings.SaveBase;
        state.openClass.ClassSubFolder = QStringLiteral("CLASS_32");
        connectDatabaseCommands(program, *form);
        connectFolderCommands(program, *form);
        new SecondaryWindows(program, *form, root.path(), [] {});
    }

    QString dbFolder(const QString& directory) const { return joinPath(databaseRoot, directory); }
    QString classRowFolder(const QString& directory) const {
        return joinPath(classFolder, directory);
    }
    void writeDbLines(const QStringList& lines) {
        writeCp932Lines(host(indexPathOf(databaseRoot)), lines);
    }
    QStringList dbLines() const {
        return readCp932Lines(host(indexPathOf(databaseRoot))).value_or(QStringList());
    }
    QStringList namesIn(const QString& folder) const {
        QStringList names = QDir(host(folder)).entryList(QDir::Files);
        names.sort();
        return names;
    }
    // Class-folder rows "<title>,IMG_000n_<title>,2002/06/15 <count>," with
    // that many photos each; opens the class folder at row 1.
    void makeClassFolders(const QList<std::pair<QString, int>>& folders) {
        QStringList lines;
        for (int i = 0; i < folders.size(); ++i) {
            const auto& [title, count] = folders[i];
            const QString directory =
                QStringLiteral("IMG_%1_").arg(i + 1, 4, 10, QChar(u'0')) + title;
            makePhotos(classRowFolder(directory), count, {32, 24});
            lines << QStringLiteral("%1,%2,2002/06/15 %3,").arg(title, directory).arg(count);
        }
        writeIndexLines(lines);
        openClassFolder();
    }

    void switchTree() { form->switchToDatabaseAction->trigger(); }
    void clickSave() { QTest::mouseClick(form->saveToDatabaseButton, Qt::LeftButton); }

    const QString databaseRoot = QStringLiteral("C:\\Adb_image\\");
};

inline const QString SaveQuestion = QStringLiteral("データベースに保存します。");
inline const QString Saved = QStringLiteral("保存しました");
inline const QString NoDatabase = QStringLiteral("データベースのフォルダがきまっていません。");
inline const QString Busy =
    QStringLiteral("データベースがつかわれています。あとでもういちどためしてください。");
