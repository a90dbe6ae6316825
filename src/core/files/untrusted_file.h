// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <chrono>

// The one way in for a file that a pupil or a card can plant: thumbnail
// entries, lock records, indexes, settings files, photos and a class's
// store of photo keys. The file is
// opened without following a link and without blocking (a FIFO answers at
// once), taken only when the opened descriptor is a regular file, and read
// to at most a size fit for its kind, so that no link, device or pipe can
// reach outside, freeze a thread or fill the memory.
enum class UntrustedKind {
    ThumbnailEntry,
    ThumbnailPack,
    LockRecord,
    Index,
    SettingsFile,
    Photo,
    PhotoKeys,
};

enum class UntrustedRefusal {
    None,
    Missing,    // no such file, or a folder on its way is missing
    Link,       // a symbolic link stands in its place
    NotRegular, // a folder, a FIFO, a device or a socket
    TooLarge,   // larger than its kind may be
    Unreadable, // no permission, or an error while reading
    TimedOut,   // no answer within the time given
};

// The most bytes a file of the kind may hold.
qint64 untrustedSizeLimit(UntrustedKind kind);

// A file's bytes, or why they were not read.
struct UntrustedBytes {
    QByteArray bytes;
    UntrustedRefusal refusal = UntrustedRefusal::None;

    bool ok() const { return refusal == UntrustedRefusal::None; }
};

// An opened file of a kind, checked as above; its device reads from the
// checked descriptor (for a photo decoded in pieces). An open that was
// refused leaves the device closed.
class UntrustedFile {
public:
    UntrustedFile(const QString& path, UntrustedKind kind);
    // The file name inside an already opened folder, which cannot be swapped
    // for a link between the check and the open.
    UntrustedFile(int folderDescriptor, const QString& name, UntrustedKind kind);
    UntrustedFile(const UntrustedFile&) = delete;
    UntrustedFile& operator=(const UntrustedFile&) = delete;

    UntrustedRefusal refusal() const { return m_refusal; }
    bool isOpen() const { return m_refusal == UntrustedRefusal::None; }
    QFile& device() { return m_device; }
    qint64 size() const { return m_size; }
    qint64 modifiedSecs() const { return m_modifiedSecs; }
    // The device the file lies on, as fstat gave it.
    quint64 deviceId() const { return m_deviceId; }
    // The rest of the file from the device's position, at most the kind's
    // limit in all.
    UntrustedBytes readAll();

private:
    void take(int descriptor);

    UntrustedKind m_kind;
    UntrustedRefusal m_refusal = UntrustedRefusal::Missing;
    QFile m_device;
    qint64 m_size = 0;
    qint64 m_modifiedSecs = 0;
    quint64 m_deviceId = 0;
};

// The whole file, or why not.
UntrustedBytes readUntrusted(const QString& path, UntrustedKind kind);
// The same on a thread of its own, given up with TimedOut when it has not
// answered within timeout (a share that stopped answering); the thread is
// left to end by itself.
UntrustedBytes readUntrusted(const QString& path, UntrustedKind kind,
                             std::chrono::milliseconds timeout);
