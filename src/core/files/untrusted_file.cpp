// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/untrusted_file.h"

#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int OpenFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

UntrustedRefusal refusalOfOpenError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return UntrustedRefusal::Missing;
    case ELOOP:
    case EMLINK: // what some systems give for O_NOFOLLOW on a link
        return UntrustedRefusal::Link;
    case ENXIO: // a socket or a FIFO without a writer on some systems
    case EISDIR:
        return UntrustedRefusal::NotRegular;
    default:
        return UntrustedRefusal::Unreadable;
    }
}

} // namespace

qint64 untrustedSizeLimit(UntrustedKind kind) {
    switch (kind) {
    case UntrustedKind::ThumbnailEntry:
        return 2LL * 1024 * 1024; // a 256-pixel PNG with room for its text
    case UntrustedKind::ThumbnailPack:
        return 32LL * 1024 * 1024; // a full folder's small JPEGs, twice over
    case UntrustedKind::LockRecord:
        return 4 * 1024;
    case UntrustedKind::Index:
        return 16LL * 1024 * 1024; // rows past the 1000 shown survive too
    case UntrustedKind::SettingsFile:
        return 1024 * 1024;
    case UntrustedKind::Photo:
        return 256LL * 1024 * 1024;
    case UntrustedKind::PhotoKeys:
        return 64LL * 1024 * 1024; // a line for each photo of 1000 full folders
    }
    return 0;
}

UntrustedFile::UntrustedFile(const QString& path, UntrustedKind kind) : m_kind(kind) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), OpenFlags);
    if (descriptor < 0)
        m_refusal = refusalOfOpenError(errno);
    else
        take(descriptor);
}

UntrustedFile::UntrustedFile(int folderDescriptor, const QString& name, UntrustedKind kind)
    : m_kind(kind) {
    const int descriptor =
        ::openat(folderDescriptor, QFile::encodeName(name).constData(), OpenFlags);
    if (descriptor < 0)
        m_refusal = refusalOfOpenError(errno);
    else
        take(descriptor);
}

void UntrustedFile::take(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        m_refusal = UntrustedRefusal::Unreadable;
    } else if (!S_ISREG(status.st_mode)) {
        m_refusal = UntrustedRefusal::NotRegular;
    } else if (status.st_size > untrustedSizeLimit(m_kind)) {
        m_refusal = UntrustedRefusal::TooLarge;
    } else if (!m_device.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        m_refusal = UntrustedRefusal::Unreadable;
    } else {
        m_refusal = UntrustedRefusal::None;
        m_size = status.st_size;
        m_modifiedSecs = status.st_mtim.tv_sec;
        m_deviceId = status.st_dev;
        return;
    }
    ::close(descriptor);
}

UntrustedBytes UntrustedFile::readAll() {
    if (!isOpen())
        return {{}, m_refusal};
    const qint64 room = untrustedSizeLimit(m_kind) - m_device.pos();
    // One byte past the limit tells a file that grew after it was checked.
    QByteArray bytes = m_device.read(room + 1);
    if (m_device.error() != QFileDevice::NoError)
        return {{}, UntrustedRefusal::Unreadable};
    if (bytes.size() > room)
        return {{}, UntrustedRefusal::TooLarge};
    return {std::move(bytes), UntrustedRefusal::None};
}

UntrustedBytes readUntrusted(const QString& path, UntrustedKind kind) {
    return UntrustedFile(path, kind).readAll();
}

UntrustedBytes readUntrusted(const QString& path, UntrustedKind kind,
                             std::chrono::milliseconds timeout) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<UntrustedBytes> result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, path, kind] {
        UntrustedBytes bytes = readUntrusted(path, kind);
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(bytes);
        shared->done.notify_one();
    }).detach();
    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, timeout, [&] { return shared->result.has_value(); }))
        return {{}, UntrustedRefusal::TimedOut};
    return std::move(*shared->result);
}
