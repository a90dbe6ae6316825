#include "core/files/file_replacement.h"

#include "core/files/fault_plan.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>
#include <chrono>

void removeStaleTemporaries(const QString& hostPath) {
    const QFileInfo target(hostPath);
    const QRegularExpression temporaryName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    QDir folder = target.dir();
    const QStringList candidates =
        folder.entryList({target.fileName() + QStringLiteral(".??????")},
                         QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : candidates) {
        if (temporaryName.match(name).hasMatch())
            folder.remove(name);
    }
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
