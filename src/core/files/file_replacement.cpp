// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/file_replacement.h"

#include "core/files/fault_plan.h"
#include "core/files/file_system.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <sys/stat.h>

namespace {

// "<name>.XXXXXX": the six letters QSaveFile adds to a temporary file's name.
bool isTemporaryOf(const QString& name, const std::function<bool(const QString&)>& target) {
    static const QRegularExpression ending(QStringLiteral("\\.[A-Za-z]{6}$"));
    return ending.match(name).hasMatch() && target(name.chopped(7));
}

int removeTemporaries(const QString& hostFolder, const std::function<bool(const QString&)>& target,
                      std::chrono::milliseconds patience) {
    QDir folder(hostFolder);
    const QDeadlineTimer deadline(patience);
    for (;;) {
        int left = 0;
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (isTemporaryOf(name, target) && !folder.remove(name))
                ++left;
        }
        if (left == 0 || deadline.hasExpired())
            return left;
        QThread::msleep(QRandomGenerator::global()->bounded(20, 60));
    }
}

} // namespace

void removeStaleTemporaries(const QString& hostPath) {
    const QFileInfo target(hostPath);
    const QString fileName = target.fileName();
    removeTemporaries(
        target.absolutePath(), [&fileName](const QString& name) { return name == fileName; },
        std::chrono::milliseconds(0));
}

int removeTemporariesIn(const QString& hostFolder, const QStringList& patterns,
                        std::chrono::milliseconds patience) {
    return removeTemporaries(
        hostFolder,
        [&patterns](const QString& name) {
            return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString& pattern) {
                return matchesFilePattern(name, pattern);
            });
        },
        patience);
}

namespace {

// A share refuses to rename over a file that any client still has open, and
// a reader's close reaches the server a moment after it returns: the new
// contents are written again while that lasts.
constexpr std::chrono::milliseconds BusyPatience{3000};

enum class Attempt { Replaced, Failed, CommitRefused };

Attempt replaceOnce(QSaveFile& file, const QByteArray& bytes, FaultPlan* faults) {
    // Unbuffered, so a write cut short (a full disk) fails here and is never
    // committed over the old file. An uncommitted file is discarded with its
    // temporary.
    if (injectsFault(faults, FileOperation::Open) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        injectsFault(faults, FileOperation::Write) || file.write(bytes) != bytes.size() ||
        injectsFault(faults, FileOperation::Commit))
        return Attempt::Failed;
    return file.commit() ? Attempt::Replaced : Attempt::CommitRefused;
}

} // namespace

bool replaceFileContents(const QString& hostPath, const QByteArray& bytes, QString* errorString,
                         FaultPlan* faults) {
    // A link in the file's place would have the file it points to replaced,
    // wherever that lies.
    if (QFileInfo(hostPath).isSymLink()) {
        if (errorString)
            *errorString = QStringLiteral("Cannot write %1: it is a link").arg(hostPath);
        return false;
    }
    removeStaleTemporaries(hostPath);
    const QDeadlineTimer deadline(BusyPatience);
    QString reason;
    for (;;) {
        QSaveFile file(hostPath);
        const Attempt attempt = replaceOnce(file, bytes, faults);
        if (attempt == Attempt::Replaced)
            return true;
        reason = file.errorString();
        if (attempt == Attempt::Failed || deadline.hasExpired())
            break;
        QThread::msleep(QRandomGenerator::global()->bounded(5, 30));
    }
    if (errorString)
        *errorString = QStringLiteral("Cannot write %1").arg(hostPath) +
                       (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    return false;
}

QString newCopyPathOf(const QString& hostPath) {
    return hostPath + QStringLiteral(".new");
}

QString oldCopyPathOf(const QString& hostPath) {
    return hostPath + QStringLiteral(".old");
}

namespace {

bool renameHost(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool isMissing(const QString& hostPath) {
    struct stat status {};
    return ::lstat(QFile::encodeName(hostPath).constData(), &status) != 0 && errno == ENOENT;
}

// A share answers "busy" while a reader still has the file open.
void removeWhileBusy(const QString& hostPath) {
    const QDeadlineTimer deadline(BusyPatience);
    while (::unlink(QFile::encodeName(hostPath).constData()) != 0 && errno != ENOENT &&
           !deadline.hasExpired())
        QThread::msleep(QRandomGenerator::global()->bounded(5, 30));
}

// Puts the newest whole copy in place of a file that a replacement stopped
// half way left missing: the new contents once the old were moved away, else
// the old contents.
bool finishInterruptedReplacement(const QString& hostPath) {
    if (!isMissing(hostPath))
        return true;
    for (const QString& copy : {newCopyPathOf(hostPath), oldCopyPathOf(hostPath)}) {
        if (renameHost(copy, hostPath))
            return true;
        if (!isMissing(copy))
            return false;
    }
    return true;
}

} // namespace

KeptReplacement replaceKeepingCopy(const QString& hostPath, const QByteArray& bytes,
                                   const std::function<bool()>& mayPutInPlace, FaultPlan* faults) {
    if (QFileInfo(hostPath).isSymLink() || !finishInterruptedReplacement(hostPath))
        return KeptReplacement::Failed;
    if (!mayPutInPlace())
        return KeptReplacement::Refused;
    const QString newCopy = newCopyPathOf(hostPath);
    const QString oldCopy = oldCopyPathOf(hostPath);
    if (!replaceFileContents(newCopy, bytes, nullptr, faults))
        return KeptReplacement::Failed;
    if (!mayPutInPlace()) {
        // With no file in place, a reader would take this copy for it.
        if (isMissing(hostPath))
            removeWhileBusy(newCopy);
        return KeptReplacement::Refused;
    }
    const bool hadFile = !isMissing(hostPath);
    if (hadFile) {
        removeWhileBusy(oldCopy);
        if (!renameHost(hostPath, oldCopy))
            return KeptReplacement::Failed;
    }
    if (!renameHost(newCopy, hostPath)) {
        // The old contents go back; where even that fails, the old copy and
        // the new one stay for the next replacement or reader to find.
        if (hadFile)
            renameHost(oldCopy, hostPath);
        return KeptReplacement::Failed;
    }
    removeWhileBusy(oldCopy);
    return KeptReplacement::Replaced;
}
