// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/card_photos.h"
#include "core/library/class_photo_hashes.h"

#include <QList>
#include <QString>
#include <QStringList>

class FileSystem;
class FolderIndex;
class PhotoSource;

// A card's photos sorted out against the class they go into.
struct CardImport {
    QList<CardPhoto> fresh; // not yet in the class, in card order
    int skipped = 0;        // already in the class
    ClassPhotoHashes keys;  // the class's store, brought up to date
};

// Compares each photo of source with those of the class folder's photo
// folders by size and head hash. Only a photo whose size some class photo has
// is read, and only its head.
CardImport sortOutCard(const FileSystem& files, const PhotoSource& source,
                       const QString& classFolder, const FolderIndex& index,
                       const QList<CardPhoto>& photos);

// The names the photos get in their new folder, in card order, no two alike,
// and such that in name order each camera folder's photos come together.
// Photos keep their imported names when that already holds; otherwise every
// name gets the import's stamp and the number of its camera folder in front
// ("20020615093012_002_IMG_0002.JPG"), which puts the folders in card order.
QStringList importedNames(const QList<CardPhoto>& photos, const QString& stamp);
