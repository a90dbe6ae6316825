// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class FileSystem;

// One photo of the photo drive: the folder it lies in (a drive path) and
// its file name.
struct CardPhoto {
    QString folder;
    QString name;
};

// The photos an import takes from drive: the photo files (see
// isPhotoFileName) of its top level,
// then those of each folder directly inside its DCIM folder (any letter
// case), folder by folder, all in name order. Hidden folders and links are
// left out. ok, when given, is false when the drive itself cannot be listed.
QList<CardPhoto> listCardPhotos(const FileSystem& files, const QString& drive, bool* ok = nullptr);
