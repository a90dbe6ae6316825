#include "platform/file_replacement.h"

#include "platform/fault_plan.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

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
    QSaveFile file(hostPath);
    // Unbuffered, so a write cut short (a full disk) fails here and is never
    // committed over the old file. An uncommitted file is discarded with its
    // temporary.
    if (!injectsFault(faults, FileOperation::Open) &&
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        !injectsFault(faults, FileOperation::Write) && file.write(bytes) == bytes.size() &&
        !injectsFault(faults, FileOperation::Commit) && file.commit())
        return true;
    if (errorString) {
        const QString reason = file.errorString();
        *errorString = QStringLiteral("Cannot write %1").arg(hostPath) +
                       (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    }
    return false;
}
