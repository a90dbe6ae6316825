// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/file_lock.h"

#include "core/files/lock_owner.h"
#include "core/files/share_directory.h"
#include "core/files/untrusted_file.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A share answers "busy" while any client, this one included, still has the
// file open; a close through a network client reaches the server a moment
// after it returns.
constexpr std::chrono::milliseconds RemovalPatience{3000};
constexpr int BreakDepth = 3;
constexpr qint64 LookInterval = 500;

QMutex registryMutex;
QSet<QString> heldTokens;
// When this process first saw each lock record it cannot ask the holder of,
// by path and record; its own clock measures the age, never another
// machine's.
QHash<QString, QElapsedTimer> firstSeen;

bool isHeldHere(const QString& token) {
    const QMutexLocker locker(&registryMutex);
    return heldTokens.contains(token);
}

void pause(int fromMs, int toMs) {
    QThread::msleep(QRandomGenerator::global()->bounded(fromMs, toMs));
}

enum class Made { Yes, Exists, Refused };

QString ownerPathOf(const QString& lockPath) {
    return lockPath + QStringLiteral("/owner");
}

// A lock is a directory: making one is a single step on the server for every
// kind of folder, where a file's exclusive creation through some network
// clients is a look followed by a create. Its owner record is written into
// it at once.
Made makeExclusively(const QString& path, const QByteArray& record) {
    const QByteArray name = QFile::encodeName(path);
    const DirectoryMaking making = makeDirectoryOnShare(name);
    if (making.error != 0)
        return making.error == EEXIST || QFile::exists(path) ? Made::Exists : Made::Refused;
    const QByteArray owner = QFile::encodeName(ownerPathOf(path));
    const int fd = ::open(owner.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written =
        fd >= 0 && ::write(fd, record.constData(), size_t(record.size())) == record.size();
    if (fd >= 0 && ::close(fd) == 0 && written)
        return Made::Yes;
    ::unlink(owner.constData());
    ::rmdir(name.constData());
    return Made::Refused;
}

// What a look at a lock finds: its owner record, or that it has none yet, or
// something in the record's place that is no record of ours (a folder, a
// pipe, a link, a file that cannot be read), with the times that tell a
// renewal.
struct Sighting {
    enum Kind { Record, Ownerless, Stranger } kind = Record;
    QByteArray record;
    qint64 recordTime = 0;
    qint64 folderTime = 0;

    // The same look twice means the lock was neither renewed nor replaced.
    QByteArray key() const {
        return QByteArray::number(kind) + ':' + record.toHex() + ':' +
               QByteArray::number(recordTime) + ':' + QByteArray::number(folderTime);
    }
};

qint64 changeTimeOf(const struct stat& status) {
    return qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
}

// nullopt when the lock is gone.
std::optional<Sighting> look(const QString& path) {
    struct stat folder {};
    if (::lstat(QFile::encodeName(path).constData(), &folder) != 0)
        return std::nullopt;
    Sighting seen;
    seen.folderTime = changeTimeOf(folder);
    // A lock file an earlier version left holds its record itself.
    const QString recordPath = S_ISDIR(folder.st_mode) ? ownerPathOf(path) : path;
    struct stat record {};
    if (::lstat(QFile::encodeName(recordPath).constData(), &record) != 0) {
        seen.kind = errno == ENOENT ? Sighting::Ownerless : Sighting::Stranger;
        return seen;
    }
    seen.recordTime = changeTimeOf(record);
    UntrustedBytes bytes = readUntrusted(recordPath, UntrustedKind::LockRecord);
    if (bytes.ok())
        seen.record = std::move(bytes.bytes);
    else
        seen.kind = Sighting::Stranger;
    return seen;
}

std::optional<LockOwner> ownerOf(const std::optional<Sighting>& seen) {
    if (!seen || seen->kind != Sighting::Record)
        return std::nullopt;
    return LockOwner::parse(seen->record);
}

// Tries again while the server answers "busy"; true once the entry is gone.
bool retryWhileBusy(const std::function<int()>& step,
                    std::chrono::milliseconds patience = RemovalPatience) {
    const QDeadlineTimer deadline(patience);
    while (step() != 0) {
        if (errno == ENOENT)
            return true;
        if (deadline.hasExpired())
            return false;
        pause(2, 15);
    }
    return true;
}

// Removes what a set-aside lock holds, whatever it is, without following a
// link anywhere: a link is removed itself.
bool removeTree(const QString& path, std::chrono::milliseconds patience) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(status.st_mode))
        return retryWhileBusy([&name] { return ::unlink(name.constData()); }, patience);
    const QStringList names =
        QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool removed = true;
    for (const QString& entry : names)
        removed = removeTree(path + u'/' + entry, patience) && removed;
    return removed && retryWhileBusy([&name] { return ::rmdir(name.constData()); }, patience);
}

// The record goes first and the directory only once it is empty. A record
// that a reader on the same mount still has open lingers under a hidden name
// until the reader closes it, so an emptied directory may refuse a moment.
bool removeLock(const QString& path) {
    const QByteArray folder = QFile::encodeName(path);
    if (QFileInfo(path).isFile())
        return retryWhileBusy([&folder] { return ::unlink(folder.constData()); });
    const QByteArray owner = QFile::encodeName(ownerPathOf(path));
    // A FUSE mount keeps a record removed while still open under a hidden
    // name, and may keep it after the close: that is no one's record.
    const auto removeHidden = [&path] {
        QDir lock(path);
        for (const QString& name :
             lock.entryList({QStringLiteral(".fuse_hidden*")}, QDir::Files | QDir::Hidden))
            lock.remove(name);
    };
    return retryWhileBusy([&owner] { return ::unlink(owner.constData()); }) &&
           retryWhileBusy([&folder, &removeHidden] {
               const int removed = ::rmdir(folder.constData());
               if (removed != 0 && errno == ENOTEMPTY) {
                   removeHidden();
                   errno = ENOTEMPTY;
               }
               return removed;
           });
}

const QString AsideSuffix = QStringLiteral(".aside");

// Moves the lock out of the way in one step that only one taker can make, so
// that nothing it holds can keep it in place, and then removes it. One that
// cannot be removed now stays under its aside name, which no one waits on.
void setAside(const QString& path) {
    const QString aside =
        path + u'.' + QString::number(QRandomGenerator::system()->generate64(), 16) + AsideSuffix;
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
        removeTree(aside, RemovalPatience);
}

// Set-aside locks whose removal an earlier taker could not finish.
void removeLeftAside(const QString& path) {
    const QFileInfo lock(path);
    QDir folder = lock.dir();
    for (const QString& name :
         folder.entryList({lock.fileName() + QStringLiteral(".*") + AsideSuffix},
                          QDir::AllEntries | QDir::Hidden | QDir::System))
        removeTree(folder.filePath(name), std::chrono::milliseconds(0));
}

// The name that only one taker of the abandoned lock can make.
QString breakPathOf(const QString& path, const Sighting& seen) {
    const std::optional<LockOwner> owner = ownerOf(seen);
    const QString id =
        owner ? owner->token
              : QString::fromLatin1(
                    QCryptographicHash::hash(seen.key(), QCryptographicHash::Md5).toHex().left(16));
    return path + u'.' + id + QStringLiteral(".break");
}

// A holder that this machine can ask about is asked; any other lock counts as
// abandoned once this process has seen it unchanged for the stale time (a
// lock without a record, for the short grace) by its own clock, never by the
// server's or another machine's.
bool isAbandoned(const QString& path, const Sighting& seen, const LockPolicy& policy) {
    if (const std::optional<LockOwner> owner = ownerOf(seen)) {
        const HolderState state = holderState(*owner, policy.host, isHeldHere);
        if (state != HolderState::Unknown)
            return state == HolderState::Ended;
    }
    const QString key = path + QChar(0) + QString::fromLatin1(seen.key());
    const QMutexLocker locker(&registryMutex);
    auto watched = firstSeen.find(key);
    if (watched == firstSeen.end()) {
        // A look seen before under this path was renewed, let go or taken over.
        const QString prefix = path + QChar(0);
        firstSeen.removeIf([&prefix](const auto& entry) { return entry.key().startsWith(prefix); });
        watched = firstSeen.insert(key, QElapsedTimer());
        watched->start();
    }
    const std::chrono::milliseconds limit =
        seen.kind == Sighting::Ownerless ? policy.ownerlessGrace : policy.staleTime;
    return watched->elapsed() >= limit.count();
}

// Sets the lock at path aside if it is still as seen. Takers of one lock
// first make its break lock, which only one of them can; whoever holds it
// finds the lock either still as seen, which nobody else may then move, or
// already another's, which it leaves alone. A break lock left by a taker that
// was stopped is itself taken over the same way.
void removeAbandoned(const QString& path, const Sighting& seen, const LockPolicy& policy,
                     int depth) {
    const QString breakPath = breakPathOf(path, seen);
    const LockOwner taker = currentLockOwner(policy.host);
    {
        const QMutexLocker locker(&registryMutex);
        heldTokens.insert(taker.token);
    }
    const Made made = makeExclusively(breakPath, taker.toBytes());
    if (made == Made::Yes) {
        const std::optional<Sighting> now = look(path);
        if (now && now->key() == seen.key())
            setAside(path);
        removeLock(breakPath);
    } else if (made == Made::Exists && depth < BreakDepth) {
        const std::optional<Sighting> breaking = look(breakPath);
        if (breaking && isAbandoned(breakPath, *breaking, policy))
            removeAbandoned(breakPath, *breaking, policy, depth + 1);
    }
    const QMutexLocker locker(&registryMutex);
    heldTokens.remove(taker.token);
}

} // namespace

std::optional<FileLock> FileLock::take(const QString& hostPath, std::chrono::milliseconds wait,
                                       const LockPolicy& requested, Refusal* refusal,
                                       const std::function<void()>& pausing) {
    LockPolicy policy = requested;
    if (policy.host.isEmpty())
        policy.host = QSysInfo::machineHostName();
    const QDeadlineTimer deadline(wait);
    QElapsedTimer lastLook;
    int refusals = 0;
    for (;;) {
        const LockOwner self = currentLockOwner(policy.host);
        {
            const QMutexLocker locker(&registryMutex);
            heldTokens.insert(self.token);
        }
        const Made made = makeExclusively(hostPath, self.toBytes());
        if (made == Made::Yes) {
            removeLeftAside(hostPath);
            return FileLock(hostPath, self.token, policy.staleTime);
        }
        {
            const QMutexLocker locker(&registryMutex);
            heldTokens.remove(self.token);
        }
        // A folder that is gone or read-only refuses every time; a share may
        // refuse once while a removal of the same name is under way.
        refusals = made == Made::Refused ? refusals + 1 : 0;
        if (refusals >= 3) {
            if (refusal)
                *refusal = Refusal::Unwritable;
            return std::nullopt;
        }
        // The holder is asked about only now and then: on a share, every
        // look opens the file, and a file open anywhere cannot be removed.
        if (made == Made::Exists && (!lastLook.isValid() || lastLook.hasExpired(LookInterval))) {
            lastLook.start();
            const std::optional<Sighting> seen = look(hostPath);
            if (seen && isAbandoned(hostPath, *seen, policy)) {
                removeAbandoned(hostPath, *seen, policy, 0);
                if (!QFile::exists(hostPath))
                    continue;
            }
        }
        if (deadline.hasExpired()) {
            if (refusal)
                *refusal = Refusal::Busy;
            return std::nullopt;
        }
        // Random pauses, so that many machines asking at once take turns;
        // they shorten as the wait goes on, so that whoever has waited
        // longest asks most often. Each ask is a round trip that slows the
        // holder's own on a shared network client.
        if (pausing)
            pausing();
        const qint64 left = std::max<qint64>(deadline.remainingTime(), 0);
        const qint64 longest = 21 + 80 * left / std::max<qint64>(wait.count(), 1);
        QThread::msleep(
            std::min<qint64>(QRandomGenerator::global()->bounded(qint64(20), longest), left));
    }
}

FileLock::FileLock(QString path, QString token, std::chrono::milliseconds staleTime)
    : m_path(std::move(path)), m_token(std::move(token)), m_staleTime(staleTime) {
    m_renewed.start();
}

FileLock::FileLock(FileLock&& other) noexcept
    : m_path(std::exchange(other.m_path, QString())),
      m_token(std::exchange(other.m_token, QString())), m_staleTime(other.m_staleTime),
      m_renewed(other.m_renewed) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_path = std::exchange(other.m_path, QString());
        m_token = std::exchange(other.m_token, QString());
        m_staleTime = other.m_staleTime;
        m_renewed = other.m_renewed;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

bool FileLock::isStillHeld() const {
    const std::optional<LockOwner> owner = ownerOf(look(m_path));
    return !m_token.isEmpty() && owner && owner->token == m_token;
}

// The record's time is set, never its bytes rewritten: a rewrite in place
// through a network client may be lost, and a reader would see it cut short.
bool FileLock::renew() {
    if (!m_renewed.hasExpired(m_staleTime.count() / 4))
        return true;
    if (!isStillHeld())
        return false;
    const QByteArray owner = QFile::encodeName(ownerPathOf(m_path));
    if (::utimensat(AT_FDCWD, owner.constData(), nullptr, AT_SYMLINK_NOFOLLOW) == 0)
        m_renewed.start();
    return true;
}

void FileLock::leave() {
    const QMutexLocker locker(&registryMutex);
    heldTokens.remove(m_token);
    m_token.clear();
}

// A lock taken over while this holder was stopped is the taker's now, and is
// left alone.
void FileLock::release() {
    if (m_token.isEmpty())
        return;
    if (isStillHeld())
        removeLock(m_path);
    const QMutexLocker locker(&registryMutex);
    heldTokens.remove(m_token);
    m_token.clear();
}
