#include "core/files/photo_drive.h"

#include "core/files/file_system.h"
#include "core/files/removable_cards.h"

namespace {

QString withSeparator(const QString& path) {
    return path.endsWith(u'\\') ? path : path + u'\\';
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
    const auto card = drives.cardFolder();
    if (!card)
        return {};
    return {true, withSeparator(files.drivePath(*card)), cardName(*card)};
}
