// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class FileSystem;

// One photo of the photo drive: the folder it lies in (a drive path), its
// file name, the place of its folder among the drive's photo folders (0 for
// the top level, then 1, 2 … for the camera folders in DCIM) and its size
// (-1 when it could not be had).
struct CardPhoto {
    QString folder;
    QString name;
    int group = 0;
    qint64 size = -1;
};

// The photos an import takes from drive: the photo files (see
// isPhotoFileName) of its top level,
// then those of each folder directly inside its DCIM folder (any letter
// case), folder by folder, all in name order. Hidden folders and links are
// left out. ok, when given, is false when the drive itself cannot be listed.
QList<CardPhoto> listCardPhotos(const FileSystem& files, const QString& drive, bool* ok = nullptr);
