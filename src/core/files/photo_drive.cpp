// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/photo_drive.h"

#include "core/files/desktop_device_mounts.h"
#include "core/files/file_system.h"
#include "core/files/removable_cards.h"

namespace {

// A card's name may hold a line break or another control character that a
// caption cannot show.
QString shownName(QString name) {
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = u' ';
    }
    return name.simplified().isEmpty() ? QStringLiteral("CARD") : name;
}

} // namespace

PhotoDrive findPhotoDrive(const FileSystem& files, const QString& photoDrive) {
    const DriveMap& drives = files.drives();
    if (!drives.isCardDrive(photoDrive)) {
        QString name = photoDrive;
        while (name.endsWith(u'\\'))
            name.chop(1);
        return {true, photoDrive, name};
    }
    const QChar letter = photoDrive.at(0).toUpper();
    const auto card = drives.cardFolder();
    drives.useCard(letter, card.value_or(QString()));
    if (!card)
        return {};
    const QString device = desktopDeviceName(*card, drives.cameraLookup().desktopMountRoots);
    return {true, letter + QStringLiteral(":\\"),
            device.isEmpty() ? shownName(cardName(*card)) : shownName(device)};
}
