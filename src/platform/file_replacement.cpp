#include "platform/file_replacement.h"

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

bool replaceFileContents(const QString& hostPath, const QByteArray& bytes, QString* errorString) {
    removeStaleTemporaries(hostPath);
    QSaveFile file(hostPath);
    // Unbuffered, so a write cut short (a full disk) fails here and is never
    // committed over the old file.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (errorString) {
        const QString reason = file.errorString();
        *errorString = QStringLiteral("Cannot write %1").arg(hostPath) +
                       (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    }
    return false;
}
