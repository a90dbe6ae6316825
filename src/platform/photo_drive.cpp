#include "platform/photo_drive.h"

#include "platform/desktop_device_mounts.h"
#include "platform/file_system.h"
#include "platform/removable_cards.h"

namespace {

QString withSeparator(const QString& path) {
    return path.endsWith(u'\\') ? path : path + u'\\';
}

} // namespace

PhotoDrive findPhotoDrive(const FileSystem& files, const QString& floppyDrive) {
    const DriveMap& drives = files.drives();
    if (!drives.isCardDrive(floppyDrive)) {
        QString name = floppyDrive;
        while (name.endsWith(u'\\'))
            name.chop(1);
        return {true, floppyDrive, name};
    }
    const auto card = drives.cardFolder();
    if (!card)
        return {};
    const QString device = desktopDeviceName(*card, drives.cameraLookup().desktopMountRoots);
    return {true, withSeparator(files.drivePath(*card)),
            device.isEmpty() ? cardName(*card) : device};
}
