// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FileSystem;

// Where the photo drive of the settings really is.
struct PhotoDrive {
    // False when the drive stands for a card and no card is mounted.
    bool found = false;
    // The drive path to import from and save to, ending in "\".
    QString path;
    // What the pupil is shown: the card's name, or the drive as set.
    QString name;
};

// What the pupil is told when the photo drive is a card and none is in.
inline const QString NoCardMessage =
    QStringLiteral("カードがみつかりません。カードをいれてください。");

// The photo drive for the settings' photoDrive ("A:\"): the folder that
// DRIVES.TXT maps it to, or a path that is not a whole drive, as it is; else
// the card the desktop has mounted, which the drive letter then stands for.
PhotoDrive findPhotoDrive(const FileSystem& files, const QString& photoDrive);
