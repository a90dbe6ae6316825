// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/file_system.h"

#include "core/files/cp932_text.h"
#include "core/files/fault_plan.h"
#include "core/files/file_replacement.h"
#include "core/files/head_hash.h"
#include "core/files/share_directory.h"
#include "core/files/untrusted_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

constexpr int CopyAttempts = 3;
constexpr std::chrono::milliseconds CopyRetryPause{30};
// A share refuses to remove a file whose close has not yet reached it.
constexpr std::chrono::milliseconds TemporaryPatience{1500};

struct DrivePathParts {
    QChar letter;
    QStringList names;
};

// "." and ".." are resolved on the text, as Windows does, so a path never
// climbs out of its drive folder.
std::optional<DrivePathParts> splitDrivePath(const QString& drivePath) {
    if (drivePath.size() < 2 || drivePath.at(1) != u':')
        return std::nullopt;
    const QChar letter = drivePath.at(0).toUpper();
    if (letter < u'A' || letter > u'Z')
        return std::nullopt;
    DrivePathParts parts{letter, {}};
    const QString rest = drivePath.mid(2).replace(u'/', u'\\');
    for (const QString& name : rest.split(u'\\', Qt::SkipEmptyParts)) {
        if (name == u".")
            continue;
        if (name == u"..") {
            if (!parts.names.isEmpty())
                parts.names.removeLast();
            continue;
        }
        parts.names << name;
    }
    return parts;
}

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The name of the entry of folder that matches name without regard to case:
// the exact spelling when it exists, else the first such entry by name order.
std::optional<QString> existingSpelling(const QString& folder, const QString& name) {
    if (QFileInfo::exists(joined(folder, name)))
        return name;
    std::optional<QString> found;
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString entry = entries.fileName();
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (!found || entry < *found))
            found = entry;
    }
    return found;
}

std::optional<QString> pathBelow(const QString& path, const QString& folder) {
    if (folder == u"/")
        return path.mid(1);
    if (path == folder)
        return QString();
    if (path.startsWith(folder) && path.at(folder.size()) == u'/')
        return path.mid(folder.size() + 1);
    return std::nullopt;
}

// Windows refuses to overwrite a file marked read-only; the owner's write bit
// stands for that mark, so the rule also holds for root.
bool isReadOnly(const QFileInfo& file) {
    return !file.isWritable() || !file.permission(QFileDevice::WriteOwner);
}

// A symbolic link is followed only where it stays inside its own folder, so
// that nothing outside a photo folder is shown, copied or deleted through it.
bool isLinkLeavingFolder(const QFileInfo& entry) {
    if (!entry.isSymLink())
        return false;
    const QString target = entry.canonicalFilePath();
    const QString folder = entry.dir().canonicalPath();
    return target.isEmpty() || folder.isEmpty() || !pathBelow(target, folder);
}

// Only an entry that is not there is missing; a folder that may not be
// searched, or a network error, leaves it unknown.
bool isMissingHost(const QString& host) {
    std::error_code error;
    [[maybe_unused]] const auto status =
        std::filesystem::status(QFileInfo(host).filesystemFilePath(), error);
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

// The copy is written beside the target and renamed over it at the end, so
// a failed read leaves an older file of that name whole.
bool writeCopy(QFile& input, const QString& target, HeadHasher* hasher) {
    QSaveFile output(target);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = input.read(buffer.data(), buffer.size());
        if (read < 0)
            return false;
        if (read == 0)
            break;
        if (hasher)
            hasher->add(buffer.constData(), read);
        if (output.write(buffer.constData(), read) != read)
            return false;
    }
    return output.commit();
}

// Tells the observer of every pause in a wait for a lock, and of the wait's
// end however it ends.
class WaitNotice {
public:
    explicit WaitNotice(LockWaitObserver* observer) : m_observer(observer) {}
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;
    ~WaitNotice() {
        if (m_observer && m_waited)
            m_observer->waitEnded();
    }
    void stillWaiting() const {
        m_waited = true;
        if (m_observer)
            m_observer->stillWaiting();
    }

private:
    LockWaitObserver* m_observer;
    mutable bool m_waited = false;
};

// "*" stands for any run of characters and "?" for any one; letters are
// compared without regard to case.
bool matchesWildcard(QStringView text, QStringView pattern) {
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype starPattern = -1;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() &&
            (pattern[p] == u'?' || pattern[p].toCaseFolded() == text[t].toCaseFolded())) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = p++;
            starText = t;
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

FileSystem::FileSystem(DriveMap drives) : m_drives(std::move(drives)) {}

QString FileSystem::hostPath(const QString& drivePath) const {
    const auto parts = splitDrivePath(drivePath);
    if (!parts)
        return {};
    QString path = m_drives.hostFolder(parts->letter);
    if (m_drives.isDefault(parts->letter) && !m_drives.isCard(parts->letter))
        QDir().mkpath(path);
    bool existing = true;
    for (const QString& name : parts->names) {
        const auto spelling = existing ? existingSpelling(path, name) : std::nullopt;
        existing = spelling.has_value();
        path = joined(path, spelling.value_or(name));
    }
    return path;
}

QString FileSystem::drivePath(const QString& hostPath) const {
    if (hostPath.isEmpty())
        return {};
    const QString path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    QChar bestLetter;
    QString bestRest;
    qsizetype bestLength = -1;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        const QString folder = m_drives.hostFolder(letter);
        for (const QString& spelling : {folder, QFileInfo(folder).canonicalFilePath()}) {
            if (spelling.isEmpty() || spelling.size() <= bestLength)
                continue;
            if (const auto rest = pathBelow(path, spelling)) {
                bestLetter = letter;
                bestRest = *rest;
                bestLength = spelling.size();
            }
        }
    }
    // A name holding "\" would read back as two names of another path.
    if (bestLength < 0 || bestRest.contains(u'\\'))
        return {};
    return bestLetter + QStringLiteral(":\\") + bestRest.replace(u'/', u'\\');
}

bool FileSystem::isOnPrivateDrive(const QString& drivePath) const {
    const auto parts = splitDrivePath(drivePath);
    return parts && m_drives.isPrivate(parts->letter);
}

QStringList FileSystem::listFiles(const QString& folder, const QString& pattern, bool* ok) const {
    return listMatching(folder, pattern, QDir::Files, ok);
}

QStringList FileSystem::listFilesWithHidden(const QString& folder, const QString& pattern,
                                            bool* ok) const {
    return listMatching(folder, pattern, QDir::Files | QDir::Hidden, ok);
}

QStringList FileSystem::listMatching(const QString& folder, const QString& pattern,
                                     QDir::Filters filters, bool* ok) const {
    return listNames(folder, filters, ok, [&pattern](const QFileInfo& entry) {
        return matchesFilePattern(entry.fileName(), pattern) && !isLinkLeavingFolder(entry);
    });
}

QStringList FileSystem::listFolders(const QString& folder, bool* ok) const {
    return listNames(folder, QDir::Dirs | QDir::NoSymLinks, ok,
                     [](const QFileInfo&) { return true; });
}

QStringList FileSystem::listNames(const QString& folder, QDir::Filters filters, bool* ok,
                                  const std::function<bool(const QFileInfo&)>& keep) const {
    if (ok)
        *ok = false;
    const QString host = hostPath(folder);
    if (host.isEmpty() || injectsFault(m_faults, FileOperation::List))
        return {};
    // QDirIterator shows a folder it cannot open as an empty one.
    std::error_code error;
    std::filesystem::directory_iterator opened(QFileInfo(host).filesystemFilePath(), error);
    if (error)
        return {};
    QStringList names;
    QDirIterator entries(host, filters | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        if (keep(entries.fileInfo()))
            names << entries.fileName();
    }
    sortByName(names);
    if (ok)
        *ok = true;
    return names;
}

QStringList FileSystem::listDirectories(const QString& folder) const {
    const QString host = hostPath(folder);
    if (host.isEmpty() || injectsFault(m_faults, FileOperation::List))
        return {};
    return QDir(host).entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool FileSystem::exists(const QString& path) const {
    const QString host = hostPath(path);
    return !host.isEmpty() && QFileInfo::exists(host);
}

bool FileSystem::isMissing(const QString& path) const {
    const QString host = hostPath(path);
    return !host.isEmpty() && isMissingHost(host);
}

bool FileSystem::isDirectory(const QString& path) const {
    const QString host = hostPath(path);
    return !host.isEmpty() && QFileInfo(host).isDir();
}

bool FileSystem::isLink(const QString& path) const {
    const QString host = hostPath(path);
    return !host.isEmpty() && QFileInfo(host).isSymLink();
}

bool FileSystem::isDirectoryIn(const QString& path, const QString& folder) const {
    const QString host = hostPath(path);
    const QString folderHost = hostPath(folder);
    if (host.isEmpty() || folderHost.isEmpty())
        return false;
    const QFileInfo entry(host);
    if (entry.isSymLink() || !entry.isDir())
        return false;
    const QString parent = QFileInfo(entry.absolutePath()).canonicalFilePath();
    return !parent.isEmpty() && parent == QFileInfo(folderHost).canonicalFilePath();
}

bool FileSystem::isWithin(const QString& path, const QString& folder) const {
    const QString host = hostPath(path);
    const QString folderHost = hostPath(folder);
    if (host.isEmpty() || folderHost.isEmpty())
        return false;
    const QString inner = QFileInfo(host).canonicalFilePath();
    const QString outer = QFileInfo(folderHost).canonicalFilePath();
    return !inner.isEmpty() && !outer.isEmpty() && pathBelow(inner, outer).has_value();
}

bool FileSystem::isWritable(const QString& path) const {
    const QString host = hostPath(path);
    const QFileInfo entry(host);
    return !host.isEmpty() && entry.exists() && !isReadOnly(entry);
}

bool FileSystem::copyFile(const QString& from, const QString& to) const {
    return copyHostFile(hostPath(from), hostPath(to));
}

bool FileSystem::removeFile(const QString& path) const {
    return removeHostFile(hostPath(path));
}

bool FileSystem::copyFileIn(const QString& folder, const QString& name, const QString& to,
                            QByteArray* headHash) const {
    return copyHostFile(hostPathIn(folder, name), hostPath(to), headHash);
}

bool FileSystem::removeFileIn(const QString& folder, const QString& name) const {
    return removeHostFile(hostPathIn(folder, name));
}

qint64 FileSystem::fileSizeIn(const QString& folder, const QString& name) const {
    const QFileInfo info(hostPathIn(folder, name));
    return info.filePath().isEmpty() || info.isSymLink() || !info.isFile() ? -1 : info.size();
}

QByteArray FileSystem::headHashIn(const QString& folder, const QString& name) const {
    const QString host = hostPathIn(folder, name);
    if (host.isEmpty() || injectsFault(m_faults, FileOperation::Open))
        return {};
    return headHashOfFile(host);
}

bool FileSystem::moveIn(const QString& folder, const QString& name, const QString& to) const {
    const QString source = hostPathIn(folder, name);
    const QString target = hostPath(to);
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).exists() ||
        QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return false;
    return !injectsFault(m_faults, FileOperation::Rename) && QDir().rename(source, target);
}

QString FileSystem::hostPathIn(const QString& folder, const QString& name) const {
    const QString host = hostPath(folder);
    if (host.isEmpty() || name.isEmpty() || name == u"." || name == u".." || name.contains(u'/'))
        return {};
    return joined(host, name);
}

bool FileSystem::copyHostFile(const QString& source, const QString& target,
                              QByteArray* headHash) const {
    if (source.isEmpty() || target.isEmpty())
        return false;
    UntrustedFile input(source, UntrustedKind::Photo);
    if (!input.isOpen())
        return false;
    // A save through a link would replace the file it points to.
    const QFileInfo targetInfo(target);
    if (targetInfo.isSymLink() ||
        (targetInfo.exists() && (!targetInfo.isFile() || isReadOnly(targetInfo))))
        return false;

    if (injectsFault(m_faults, FileOperation::Copy))
        return false;
    // A network share may refuse the rename of a copy whose close has not yet
    // reached the server, and the removal of its temporary file with it; the
    // copy is made again, and the temporaries are removed once the server
    // has caught up, whether the copy was made or not.
    bool copied = false;
    for (int attempt = 1; !copied; ++attempt) {
        HeadHasher hasher;
        copied = writeCopy(input.device(), target, headHash ? &hasher : nullptr);
        if (copied && headHash)
            *headHash = hasher.result();
        if (copied || attempt == CopyAttempts || !input.device().seek(0))
            break;
        QThread::msleep(CopyRetryPause.count() * attempt);
    }
    const QString fileName = QFileInfo(target).fileName();
    removeTemporariesIn(QFileInfo(target).absolutePath(), {fileName}, TemporaryPatience);
    return copied;
}

bool FileSystem::removeCopyTemporaries(const QString& folder, const QStringList& patterns) const {
    const QString host = hostPath(folder);
    return !host.isEmpty() && !injectsFault(m_faults, FileOperation::Remove) &&
           removeTemporariesIn(host, patterns, TemporaryPatience) == 0;
}

// A link is removed itself, never what it points to.
bool FileSystem::removeHostFile(const QString& host) const {
    if (host.isEmpty())
        return false;
    const QFileInfo info(host);
    return (info.isSymLink() || !info.isDir()) && !injectsFault(m_faults, FileOperation::Remove) &&
           QFile::remove(host);
}

bool FileSystem::makeDirectory(const QString& path) const {
    const auto parts = splitDrivePath(path);
    if (!parts || parts->names.isEmpty() || injectsFault(m_faults, FileOperation::MakeDirectory))
        return false;
    // New names are made under their folder's lock, so a directory found
    // after a transient error is this making's own.
    const DirectoryMaking making = makeDirectoryOnShare(QFile::encodeName(hostPath(path)));
    return making.error == 0 || (making.error == EEXIST && making.retried);
}

bool FileSystem::removeTree(const QString& path) const {
    const auto parts = splitDrivePath(path);
    if (!parts || parts->names.isEmpty())
        return false;
    const QFileInfo info(hostPath(path));
    if (info.isSymLink() || !info.isDir() || injectsFault(m_faults, FileOperation::RemoveDirectory))
        return false;
    std::error_code error;
    std::filesystem::remove_all(info.filePath().toStdString(), error);
    return !error;
}

bool FileSystem::removeDirectory(const QString& path) const {
    const auto parts = splitDrivePath(path);
    return parts && !parts->names.isEmpty() &&
           !injectsFault(m_faults, FileOperation::RemoveDirectory) && QDir().rmdir(hostPath(path));
}

FileSystem::FileRead FileSystem::readFile(const QString& path, UntrustedKind kind) const {
    const QString host = hostPath(path);
    if (host.isEmpty())
        return {};
    if (injectsFault(m_faults, FileOperation::Open))
        return {FileRead::Unreadable, {}};
    UntrustedBytes file = readUntrusted(host, kind);
    if (file.ok())
        return {FileRead::Read, std::move(file.bytes)};
    return {file.refusal == UntrustedRefusal::Missing && isMissingHost(host) ? FileRead::Missing
                                                                             : FileRead::Unreadable,
            {}};
}

bool FileSystem::writeFile(const QString& path, const QByteArray& bytes,
                           QString* errorString) const {
    const QString host = hostPath(path);
    if (host.isEmpty()) {
        if (errorString)
            *errorString = QStringLiteral("No drive in path \"%1\"").arg(path);
        return false;
    }
    return replaceFileContents(host, bytes, errorString, m_faults);
}

KeptReplacement FileSystem::writeFileKeepingCopy(const QString& path, const QByteArray& bytes,
                                                 const std::function<bool()>& mayPutInPlace) const {
    const QString host = hostPath(path);
    if (host.isEmpty())
        return KeptReplacement::Failed;
    return replaceKeepingCopy(host, bytes, mayPutInPlace, m_faults);
}

QDateTime FileSystem::lastModified(const QString& path) const {
    const QString host = hostPath(path);
    return host.isEmpty() ? QDateTime() : QFileInfo(host).lastModified();
}

std::optional<QStringList> FileSystem::readTextLines(const QString& path) const {
    const QString host = hostPath(path);
    if (host.isEmpty() || injectsFault(m_faults, FileOperation::Open))
        return std::nullopt;
    return readCp932Lines(host);
}

bool FileSystem::writeTextLines(const QString& path, const QStringList& lines,
                                QString* errorString) const {
    return writeFile(path, encodeCp932Lines(lines), errorString);
}

bool FileSystem::writeHostTextLines(const QString& hostPath, const QStringList& lines,
                                    QString* errorString) const {
    const QFileInfo file(hostPath);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || isReadOnly(folder) || (file.exists() && isReadOnly(file))) {
        if (errorString)
            *errorString = QStringLiteral("Cannot write %1: read-only").arg(hostPath);
        return false;
    }
    return replaceFileContents(hostPath, encodeCp932Lines(lines), errorString, m_faults);
}

std::optional<FileLock> FileSystem::lockFile(const QString& path, std::chrono::milliseconds wait,
                                             bool* unwritable) const {
    if (unwritable)
        *unwritable = false;
    const QString host = hostPath(path);
    if (host.isEmpty() || injectsFault(m_faults, FileOperation::Lock))
        return std::nullopt;
    FileLock::Refusal refusal = FileLock::Refusal::Busy;
    const WaitNotice notice(m_lockWait);
    std::optional<FileLock> lock =
        FileLock::take(host, std::min(wait, m_lockWaitLimit), m_lockPolicy, &refusal,
                       [&notice] { notice.stillWaiting(); });
    if (!lock && unwritable)
        *unwritable = refusal == FileLock::Refusal::Unwritable;
    return lock;
}

bool matchesFilePattern(const QString& name, const QString& pattern) {
    if (pattern == u"*.*")
        return true;
    const qsizetype patternDot = pattern.lastIndexOf(u'.');
    if (patternDot < 0)
        return matchesWildcard(name, pattern);
    const qsizetype nameDot = name.lastIndexOf(u'.');
    if (nameDot < 0)
        return false;
    return matchesWildcard(QStringView(name).left(nameDot),
                           QStringView(pattern).left(patternDot)) &&
           matchesWildcard(QStringView(name).mid(nameDot + 1),
                           QStringView(pattern).mid(patternDot + 1));
}

bool isBeforeByName(const QString& a, const QString& b) {
    const int byCapitals = a.toUpper().compare(b.toUpper(), Qt::CaseSensitive);
    return byCapitals != 0 ? byCapitals < 0 : a < b;
}

void sortByName(QStringList& names) {
    std::sort(names.begin(), names.end(), isBeforeByName);
}

bool isWholeName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'\\') &&
           !name.contains(u'/');
}
