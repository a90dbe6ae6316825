// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cp932_files.h"

#include "core/files/cp932_text.h"
#include "core/files/file_replacement.h"

#include <QFile>

bool writeCp932Lines(const QString& hostPath, const QStringList& lines, QString* errorString) {
    return replaceFileContents(hostPath, encodeCp932Lines(lines), errorString);
}

QByteArray fileBytes(const QString& hostPath) {
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
