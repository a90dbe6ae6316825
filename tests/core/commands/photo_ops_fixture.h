// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support_library/library_fixture.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>

// A class folder whose photo folders hold photos named after their folder
// ("a001.JPG" in folder a), with the photo commands connected to the menus.
class PhotoCommands : public ::testing::Test {
protected:
    PhotoCommands();

    struct Folder {
        QString title;
        int photos;
    };
    // Makes folder k as IMG_000k_<title> with its photos and writes the index
    // with the date 2001/01/0k and the photo count on each row; opens row 1.
    void makeFolders(std::initializer_list<Folder> folders);
    QString folderPath(int row) const;
    // Writes count photos named <prefix>NNN.JPG into folder.
    QStringList addPhotos(const QString& folder, int count, const QString& prefix,
                          int firstColour = 1);
    int filesIn(const QString& folder) const;
    bool exists(const QString& path) const;
    QByteArray bytesOf(const QString& path) const;
    // Dates the file back an hour and returns its new modification time, so a
    // later rewrite shows.
    QDateTime ageFile(const QString& path) const;
    QDateTime modifiedAt(const QString& path) const;

    // Opens folder by its path, as row 0, as a folder outside the class
    // folder is opened.
    void openByPath(const QString& folder);
    // Marks photos first..last of the open folder.
    void mark(int first, int last);
    int markedCount() const;

    LibraryRig rig;
};
