// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/untrusted_folder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RenamePatience{3000};

// O_PATH opens no folder on the file system (no round trip on a network
// drive); O_DIRECTORY with O_NOFOLLOW refuses a link in the folder's place.
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

QByteArray nameBytes(const QString& name) {
    return QFile::encodeName(name);
}

bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/');
}

int openFolderIn(int parent, const QString& name, UntrustedFolder::Missing missing) {
    if (!isPlainName(name))
        return -1;
    int descriptor = ::openat(parent, nameBytes(name).constData(), FolderFlags);
    if (descriptor < 0 && errno == ENOENT && missing == UntrustedFolder::Missing::Make) {
        // Another machine may make it at the same moment.
        ::mkdirat(parent, nameBytes(name).constData(), 0777);
        descriptor = ::openat(parent, nameBytes(name).constData(), FolderFlags);
    }
    return descriptor;
}

} // namespace

UntrustedFolder::UntrustedFolder(const QString& base, const QStringList& names, Missing missing) {
    int descriptor = ::open(nameBytes(base).constData(), FolderFlags & ~O_NOFOLLOW);
    for (const QString& name : names) {
        if (descriptor < 0)
            break;
        const int next = openFolderIn(descriptor, name, missing);
        ::close(descriptor);
        descriptor = next;
    }
    m_descriptor = descriptor;
}

UntrustedFolder::~UntrustedFolder() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

UntrustedFile UntrustedFolder::file(const QString& name, UntrustedKind kind) const {
    return UntrustedFile(m_descriptor, isPlainName(name) ? name : QString(), kind);
}

bool UntrustedFolder::replaceFile(const QString& name,
                                  const std::function<bool(QIODevice&)>& write) const {
    if (!isOpen() || !isPlainName(name))
        return false;
    // Made inside the folder's own descriptor, even if the folder was renamed
    // or swapped for a link after it was opened, under a name no other writer
    // picks.
    const QByteArray temporary = nameBytes(
        QStringLiteral(".%1.%2").arg(name).arg(QRandomGenerator::global()->generate64(), 0, 36));
    const int descriptor = ::openat(m_descriptor, temporary.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    QFile file;
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        ::close(descriptor);
    bool written = file.isOpen() && write(file) && file.flush();
    file.close();
    // A share answers "busy" while any client still has either file open, and
    // a close reaches the server a moment after it returns.
    const QDeadlineTimer deadline(RenamePatience);
    while (written && ::renameat(m_descriptor, temporary.constData(), m_descriptor,
                                 nameBytes(name).constData()) != 0) {
        written = errno == EBUSY && !deadline.hasExpired();
        if (written)
            QThread::msleep(QRandomGenerator::global()->bounded(2, 15));
    }
    if (!written)
        ::unlinkat(m_descriptor, temporary.constData(), 0);
    return written;
}

QStringList UntrustedFolder::regularFiles(const QString& suffix) const {
    QStringList names;
    const int listing =
        isOpen() ? ::openat(m_descriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    DIR* folder = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!folder) {
        if (listing >= 0)
            ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(folder)) {
        struct stat status {};
        const QString name = QFile::decodeName(entry->d_name);
        if (name.endsWith(suffix) &&
            ::fstatat(m_descriptor, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            names << name;
    }
    ::closedir(folder);
    return names;
}

bool UntrustedFolder::removeRegularFile(const QString& name) const {
    struct stat status {};
    return isOpen() && isPlainName(name) &&
           ::fstatat(m_descriptor, nameBytes(name).constData(), &status, AT_SYMLINK_NOFOLLOW) ==
               0 &&
           S_ISREG(status.st_mode) && ::unlinkat(m_descriptor, nameBytes(name).constData(), 0) == 0;
}

bool UntrustedFolder::removeEmptyFolder(const QString& name) const {
    return isOpen() && isPlainName(name) &&
           ::unlinkat(m_descriptor, nameBytes(name).constData(), AT_REMOVEDIR) == 0;
}
