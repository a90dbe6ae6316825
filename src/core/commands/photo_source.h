// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/card_photos.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class FileSystem;

// Where an import takes its photos from: the card of the photo drive, or a
// camera or tablet on a USB cable. Photos are listed first and copied one
// by one after, so whatever decides which photos to take (one the class
// already has is not taken again) goes between the two.
class PhotoSource {
public:
    virtual ~PhotoSource() = default;
    // What the pupil knows it by: the card's name, or the device's model
    // ("iPad").
    virtual QString name() const = 0;
    // The photos in import order (see listCardPhotos); nullopt when the
    // source cannot be listed.
    virtual std::optional<QList<CardPhoto>> photos() const = 0;
    // Copies photo to target (a drive path), whole or not at all; headHash,
    // when given, gets the hash of its head (see HeadHasher) taken from the
    // bytes copied, or stays empty when it could not be had.
    virtual bool copy(const CardPhoto& photo, const QString& target,
                      QByteArray* headHash) const = 0;
    // The hash of photo's head, read on its own; empty when it cannot be.
    virtual QByteArray headHash(const CardPhoto& photo) const = 0;
    // True when a copy that fails means the source is gone, as a device
    // whose cable is pulled is: the import stops there.
    virtual bool goneWhenACopyFails() const = 0;
};

// The photo drive photoDrive ("A:\", see findPhotoDrive); when
// that stands for a card and none is in, the camera or tablet on a cable
// that the drive map's camera lookup finds. nullptr when there is neither.
std::unique_ptr<PhotoSource> findPhotoSource(const FileSystem& files, const QString& photoDrive);
