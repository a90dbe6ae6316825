// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct _Camera;
struct _GPContext;

// Where a camera or tablet on a USB cable is looked for once no card is
// found. Off by default, so that nothing but the program itself talks to
// devices.
struct CameraLookup {
    bool enabled = false;
    // The folders the desktop mounts devices in through gvfs
    // ("/run/user/<uid>/gvfs"): a device it holds is read there, as a card.
    QStringList desktopMountRoots;
    // Empty: every camera libgphoto2 detects on USB. Else this camera model
    // on this port ("Directory Browse" on "disk:/some/folder").
    QString model;
    QString port;

    // Enabled, on USB and in the user's own gvfs folder.
    static CameraLookup standard();
};

// A camera or tablet reached through libgphoto2 (PTP/MTP on USB). Each call
// talks to the device and may take as long as the device does.
class CameraDevice {
public:
    // The camera lookup names, opened; nullptr when there is none or it
    // cannot be opened (the desktop may hold it).
    static std::unique_ptr<CameraDevice> open(const CameraLookup& lookup);
    ~CameraDevice();
    CameraDevice(const CameraDevice&) = delete;
    CameraDevice& operator=(const CameraDevice&) = delete;

    // The model the device names itself by ("iPad"), else its driver's name.
    QString modelName() const { return m_model; }

    // A file on the device: its folder ("/store_00010001/DCIM/100APPLE"), its
    // name and its size as the device tells it (-1 when it does not).
    struct File {
        QString folder;
        QString name;
        qint64 size = -1;
    };
    // The photo files (see isPhotoFileName) an import takes, in the order of
    // a card's: those at the top of the device's photo root, then those of
    // each folder in its DCIM folder, folder by folder, in name order. The
    // photo root is the device itself when it holds DCIM, else each storage
    // folder of it that does. nullopt when the device cannot be listed.
    std::optional<QList<File>> listPhotos() const;
    // Copies file to the host file target through the device, whole or not
    // at all: nothing is left at target when the transfer breaks off.
    // headHash, when given, gets the hash of the copy's head (see HeadHasher),
    // read back from the new file before it replaces anything.
    bool copyTo(const File& file, const QString& hostTarget, QByteArray* headHash = nullptr) const;
    // The hash of file's head, read from the device without the rest where
    // the device allows; empty when it cannot be had.
    QByteArray headHash(const File& file) const;

private:
    CameraDevice(_Camera* camera, _GPContext* context);
    std::optional<QStringList> list(const QString& folder, bool files) const;
    bool appendPhotosOf(const QString& folder, QList<File>& photos) const;
    qint64 sizeOf(const QString& folder, const QString& name) const;

    _Camera* m_camera;
    _GPContext* m_context;
    QString m_model;
};
