#include "core/files/file_lock.h"

#include "core/files/lock_owner.h"

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
    if (::mkdir(name.constData(), 0755) != 0)
        return errno == EEXIST || QFile::exists(path) ? Made::Exists : Made::Refused;
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

// The owner record; empty while the lock has none (made a moment ago, or
// left by a holder stopped at that moment); nullopt when the lock is gone or
// its record cannot be read now.
std::optional<QByteArray> readRecord(const QString& path) {
    // A lock file an earlier version left holds its record itself.
    const QString recordPath = QFileInfo(path).isFile() ? path : ownerPathOf(path);
    QFile owner(recordPath);
    if (owner.open(QIODevice::ReadOnly))
        return owner.readAll();
    if (!QFile::exists(recordPath) && QFileInfo(path).isDir())
        return QByteArray();
    return std::nullopt;
}

// Tries again while the server answers "busy"; true once the lock is gone.
bool retryWhileBusy(const std::function<int()>& step) {
    const QDeadlineTimer deadline(RemovalPatience);
    while (step() != 0) {
        if (errno == ENOENT)
            return true;
        if (deadline.hasExpired())
            return false;
        pause(2, 15);
    }
    return true;
}

// The record goes first and the directory only once it is empty. A record
// that a reader on the same mount still has open lingers under a hidden name
// until the reader closes it, so an emptied directory may refuse a moment. A
// lock that was just given a new record keeps it: that record is never
// removed here.
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

// The name that only one taker of the abandoned record can make.
QString breakPathOf(const QString& path, const QByteArray& record) {
    const std::optional<LockOwner> owner = LockOwner::parse(record);
    const QString id =
        owner ? owner->token
              : QString::fromLatin1(
                    QCryptographicHash::hash(record, QCryptographicHash::Md5).toHex().left(16));
    return path + u'.' + id + QStringLiteral(".break");
}

bool isAbandoned(const QString& path, const QByteArray& record, const LockPolicy& policy) {
    if (const std::optional<LockOwner> owner = LockOwner::parse(record)) {
        const HolderState state = holderState(*owner, policy.host, isHeldHere);
        if (state != HolderState::Unknown)
            return state == HolderState::Ended;
    }
    const QString key = path + QChar(0) + QString::fromLatin1(record.toHex());
    const QMutexLocker locker(&registryMutex);
    auto seen = firstSeen.find(key);
    if (seen == firstSeen.end()) {
        // A record seen before under this path was let go or taken over.
        const QString prefix = path + QChar(0);
        firstSeen.removeIf([&prefix](const auto& entry) { return entry.key().startsWith(prefix); });
        seen = firstSeen.insert(key, QElapsedTimer());
        seen->start();
    }
    // The lock's own time, when the server's clock and ours agree, tells
    // a lock abandoned long before this process first looked.
    const QDateTime changed = QFileInfo(path).lastModified();
    return seen->elapsed() >= policy.staleTime.count() ||
           (changed.isValid() &&
            changed.msecsTo(QDateTime::currentDateTime()) >= policy.staleTime.count());
}

// Removes the lock file at path if it still holds record. Takers of one
// record first make its break file, which only one of them can; whoever
// holds it finds the lock file either still that record, which nobody else
// may then remove, or already another's, which it leaves alone. A break file
// left by a taker that was stopped is itself taken over the same way.
void removeAbandoned(const QString& path, const QByteArray& record, const LockPolicy& policy,
                     int depth) {
    const QString breakPath = breakPathOf(path, record);
    const LockOwner taker = currentLockOwner(policy.host);
    {
        const QMutexLocker locker(&registryMutex);
        heldTokens.insert(taker.token);
    }
    const Made made = makeExclusively(breakPath, taker.toBytes());
    if (made == Made::Yes) {
        if (readRecord(path) == record)
            removeLock(path);
        removeLock(breakPath);
    } else if (made == Made::Exists && depth < BreakDepth) {
        const std::optional<QByteArray> breaking = readRecord(breakPath);
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
        if (made == Made::Yes)
            return FileLock(hostPath, self.token, policy.staleTime);
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
            const std::optional<QByteArray> record = readRecord(hostPath);
            if (record && isAbandoned(hostPath, *record, policy)) {
                removeAbandoned(hostPath, *record, policy, 0);
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
    m_held.start();
}

FileLock::FileLock(FileLock&& other) noexcept
    : m_path(std::exchange(other.m_path, QString())),
      m_token(std::exchange(other.m_token, QString())), m_staleTime(other.m_staleTime),
      m_held(other.m_held) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_path = std::exchange(other.m_path, QString());
        m_token = std::exchange(other.m_token, QString());
        m_staleTime = other.m_staleTime;
        m_held = other.m_held;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

// Nobody takes a lock over before it has stood for the stale time. Past
// that, it is removed only while it is still this holding's; one that cannot
// be removed in time is left for the next taker, who sees it as ended.
void FileLock::release() {
    if (m_token.isEmpty())
        return;
    if (m_held.elapsed() < m_staleTime.count()) {
        removeLock(m_path);
    } else {
        const std::optional<LockOwner> owner = LockOwner::parse(readRecord(m_path).value_or(""));
        if (owner && owner->token == m_token)
            removeLock(m_path);
    }
    const QMutexLocker locker(&registryMutex);
    heldTokens.remove(m_token);
    m_token.clear();
}
