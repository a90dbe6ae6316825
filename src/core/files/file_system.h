// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/drive_map.h"
#include "core/files/file_lock.h"
#include "core/files/file_replacement.h"
#include "core/files/lock_wait_observer.h"
#include "core/files/untrusted_file.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>

class FaultPlan;

// The file system as the program sees it: Windows path texts with a drive
// letter and "\" separators ("C:\A_IMAGE\CLASS_23\IMGMAIN.TXT"), translated
// to host paths at the last moment through the drive map. Existing path
// components are found without regard to letter case; a doubled "\" is
// accepted. Every operation reports failure instead of throwing.
class FileSystem {
public:
    explicit FileSystem(DriveMap drives);

    const DriveMap& drives() const { return m_drives; }

    // Every operation that reads or changes files first asks plan, which may
    // make it fail; null (the default) fails none. The plan is not owned.
    void setFaultPlan(FaultPlan* plan) { m_faults = plan; }
    // Told while lockFile waits for a lock that someone else holds; null (the
    // default) tells no one. The observer is not owned.
    void setLockWaitObserver(LockWaitObserver* observer) { m_lockWait = observer; }
    // No lockFile waits longer than limit, whatever its caller asks.
    void setLockWaitLimit(std::chrono::milliseconds limit) { m_lockWaitLimit = limit; }

    // Host path for a drive path; empty when the text names no mapped drive.
    QString hostPath(const QString& drivePath) const;
    // Drive path for a host path, by the longest matching drive folder; empty
    // when the path lies on no drive or a name on the way holds "\", which no
    // drive path can name.
    QString drivePath(const QString& hostPath) const;
    // True when drivePath lies on a private drive (see DriveMap::isPrivate).
    bool isOnPrivateDrive(const QString& drivePath) const;

    // Names (not paths) of the ordinary files directly in folder whose names
    // match pattern ("*.JP*", "*.*"), letters compared without regard to case,
    // in name order (sortByName). Hidden files and directories are left out. A
    // folder that cannot be listed (missing included) gives an empty list and
    // sets ok, when given, to false.
    QStringList listFiles(const QString& folder, const QString& pattern, bool* ok = nullptr) const;
    // listFiles with the hidden files too: a camera card's photos whose
    // names start with "." are photos like the others.
    QStringList listFilesWithHidden(const QString& folder, const QString& pattern,
                                    bool* ok = nullptr) const;
    // Names of the directories directly in folder, in name order; hidden ones
    // and links are left out. ok as for listFiles.
    QStringList listFolders(const QString& folder, bool* ok = nullptr) const;
    // Names of the directories directly in folder, links to directories and
    // hidden ones included; empty when it cannot be listed.
    QStringList listDirectories(const QString& folder) const;

    bool exists(const QString& path) const;
    // True only when path is known not to exist: not when a folder on the way
    // may not be searched or the drive cannot be reached.
    bool isMissing(const QString& path) const;
    bool isDirectory(const QString& path) const;
    // True when path itself is a symbolic link, whatever it points to.
    bool isLink(const QString& path) const;
    // True when path is a directory itself, no link, directly in folder.
    bool isDirectoryIn(const QString& path, const QString& folder) const;
    // True when path is folder or lies inside it, links resolved; false when
    // either does not exist.
    bool isWithin(const QString& path, const QString& folder) const;
    // True when path exists and is not read-only (see writeHostTextLines).
    bool isWritable(const QString& path) const;
    // Copies from to to, replacing a file of that name.
    bool copyFile(const QString& from, const QString& to) const;
    bool removeFile(const QString& path) const;
    // The same for the file called name directly in folder. The name is taken
    // whole, as a listing gave it: one holding "\" or ".." is never split or
    // resolved as a path. headHash, when given, gets the hash of the first
    // HeadHashBytes bytes, taken from what was read for the copy.
    bool copyFileIn(const QString& folder, const QString& name, const QString& to,
                    QByteArray* headHash = nullptr) const;
    bool removeFileIn(const QString& folder, const QString& name) const;
    // Moves the file or directory called name directly in folder to to, on the
    // same drive, in one rename: it is in one place or the other whatever
    // happens. False, moving nothing, when to exists already.
    bool moveIn(const QString& folder, const QString& name, const QString& to) const;
    // The size of the ordinary file called name directly in folder; -1 when
    // there is none or it is a link.
    qint64 fileSizeIn(const QString& folder, const QString& name) const;
    // The hash of its first HeadHashBytes bytes, read as an untrusted photo;
    // empty when it cannot be read.
    QByteArray headHashIn(const QString& folder, const QString& name) const;
    // Removes the temporary files a copy stopped half way left in folder
    // beside the files it was making ("P0003.JPG.atieDn" for a pattern
    // "*.JP*" among patterns); false when some could not be removed.
    bool removeCopyTemporaries(const QString& folder, const QStringList& patterns) const;
    // Makes one directory; false when it exists already or cannot be made.
    bool makeDirectory(const QString& path) const;
    // Removes an empty directory.
    bool removeDirectory(const QString& path) const;
    // Removes the directory at path with all it holds; a link inside is
    // removed itself, never what it points to. False for a link or a file.
    bool removeTree(const QString& path) const;

    // A whole file's bytes. Missing only when the file does not exist; a file
    // that exists but cannot be opened or read to its end is unreadable.
    struct FileRead {
        enum Status { Read, Missing, Unreadable };
        Status status = Missing;
        QByteArray bytes;
    };
    FileRead readFile(const QString& path, UntrustedKind kind = UntrustedKind::Index) const;
    // Replaces the file atomically; on failure the old file stays whole and
    // errorString holds why.
    bool writeFile(const QString& path, const QByteArray& bytes,
                   QString* errorString = nullptr) const;

    // Replaces the file so that a whole copy of its old or its new contents
    // stands under a known name at every moment (see replaceKeepingCopy).
    KeptReplacement writeFileKeepingCopy(const QString& path, const QByteArray& bytes,
                                         const std::function<bool()>& mayPutInPlace) const;
    // When the entry at path was last changed; invalid when it cannot be
    // told.
    QDateTime lastModified(const QString& path) const;

    // Whole-file code page 932 text with CR LF (see cp932_text.h).
    std::optional<QStringList> readTextLines(const QString& path) const;
    // Replaces the file atomically; on failure the old file stays whole and
    // errorString holds why.
    bool writeTextLines(const QString& path, const QStringList& lines,
                        QString* errorString = nullptr) const;

    // The same for a host path, such as the settings file in the program
    // folder. A folder or file whose owner may not write it counts as read-only
    // and is not written, as on Windows.
    bool writeHostTextLines(const QString& hostPath, const QStringList& lines,
                            QString* errorString = nullptr) const;

    // Takes the lock file at path (see FileLock), waiting up to wait while
    // another process holds it. nullopt when it could not be had in that time,
    // or at all where the folder cannot hold it; unwritable, when given, then
    // tells which.
    std::optional<FileLock> lockFile(const QString& path, std::chrono::milliseconds wait,
                                     bool* unwritable = nullptr) const;
    // How locks are taken; the default names this machine and waits out
    // FileLockStaleTime.
    void setLockPolicy(LockPolicy policy) { m_lockPolicy = std::move(policy); }

private:
    QString hostPathIn(const QString& folder, const QString& name) const;
    // The names in folder that filters lets through and keep accepts, in name
    // order; ok as for listFiles.
    QStringList listMatching(const QString& folder, const QString& pattern, QDir::Filters filters,
                             bool* ok) const;
    QStringList listNames(const QString& folder, QDir::Filters filters, bool* ok,
                          const std::function<bool(const QFileInfo&)>& keep) const;
    bool copyHostFile(const QString& source, const QString& target,
                      QByteArray* headHash = nullptr) const;
    bool removeHostFile(const QString& host) const;

    DriveMap m_drives;
    FaultPlan* m_faults = nullptr;
    LockWaitObserver* m_lockWait = nullptr;
    std::chrono::milliseconds m_lockWaitLimit = std::chrono::milliseconds::max();
    LockPolicy m_lockPolicy;
};

// True when name matches a wildcard pattern the way the program's listings do:
// "*.*" matches every name; otherwise the part after the pattern's last "."
// is matched against the name's extension (the text after its last ".") and
// the part before against the rest. "*.JP*" thus matches "a.jpg" and "b.JPEG"
// but neither "c.png" nor "JPG".
bool matchesFilePattern(const QString& name, const QString& pattern);

// True when name a comes before name b in the order the school's Windows
// machines list a folder: letters compared as capitals, everything else by
// character code ("IMG_0002" before "img_0010"). Names equal but for case
// keep a fixed order between them.
bool isBeforeByName(const QString& a, const QString& b);
// Puts names in that order.
void sortByName(QStringList& names);
// True when name, joined to a folder with "\", names that folder's entry and
// nothing else: not empty, "." or "..", and no "\" or "/" in it.
bool isWholeName(const QString& name);
