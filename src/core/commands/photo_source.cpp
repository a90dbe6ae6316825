// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/photo_source.h"

#include "core/files/camera_device.h"
#include "core/files/file_system.h"
#include "core/files/photo_drive.h"

namespace {

class CardSource : public PhotoSource {
public:
    CardSource(const FileSystem& files, PhotoDrive drive)
        : m_files(files), m_drive(std::move(drive)) {}

    QString name() const override { return m_drive.name; }

    std::optional<QList<CardPhoto>> photos() const override {
        bool listed = false;
        QList<CardPhoto> photos = listCardPhotos(m_files, m_drive.path, &listed);
        if (!listed)
            return std::nullopt;
        return photos;
    }

    bool copy(const CardPhoto& photo, const QString& target, QByteArray* headHash) const override {
        return m_files.copyFileIn(photo.folder, photo.name, target, headHash);
    }

    QByteArray headHash(const CardPhoto& photo) const override {
        return m_files.headHashIn(photo.folder, photo.name);
    }

    // A photo that cannot be read leaves the others to copy.
    bool goneWhenACopyFails() const override { return false; }

private:
    const FileSystem& m_files;
    PhotoDrive m_drive;
};

class DeviceSource : public PhotoSource {
public:
    DeviceSource(const FileSystem& files, std::unique_ptr<CameraDevice> device)
        : m_files(files), m_device(std::move(device)) {}

    QString name() const override { return m_device->modelName(); }

    std::optional<QList<CardPhoto>> photos() const override {
        const auto files = m_device->listPhotos();
        if (!files)
            return std::nullopt;
        // Each device folder is a camera folder of its own, as on a card.
        QList<CardPhoto> photos;
        int group = 0;
        for (const CameraDevice::File& file : *files) {
            if (!photos.isEmpty() && photos.last().folder != file.folder)
                ++group;
            photos.append({file.folder, file.name, group, file.size});
        }
        return photos;
    }

    bool copy(const CardPhoto& photo, const QString& target, QByteArray* headHash) const override {
        const QString host = m_files.hostPath(target);
        return !host.isEmpty() && m_device->copyTo({photo.folder, photo.name}, host, headHash);
    }

    QByteArray headHash(const CardPhoto& photo) const override {
        return m_device->headHash({photo.folder, photo.name, photo.size});
    }

    // A device answers every transfer it can; one that breaks off means the
    // cable is out, and each further one would wait out the device's timeout.
    bool goneWhenACopyFails() const override { return true; }

private:
    const FileSystem& m_files;
    std::unique_ptr<CameraDevice> m_device;
};

} // namespace

std::unique_ptr<PhotoSource> findPhotoSource(const FileSystem& files, const QString& photoDrive) {
    PhotoDrive drive = findPhotoDrive(files, photoDrive);
    if (drive.found)
        return std::make_unique<CardSource>(files, std::move(drive));
    if (!files.drives().isCardDrive(photoDrive))
        return nullptr;
    std::unique_ptr<CameraDevice> device = CameraDevice::open(files.drives().cameraLookup());
    if (!device)
        return nullptr;
    return std::make_unique<DeviceSource>(files, std::move(device));
}
