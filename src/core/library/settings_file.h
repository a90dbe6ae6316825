// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class FileSystem;

// The settings file DRVDATA.TXT in the program folder: the photo drive and the
// save drive folder as whole lines, then the school year, the use mode, the
// node number and the database folder as comma-or-line-end fields.

inline const QString SettingsFileName = QStringLiteral("DRVDATA.TXT");

struct SettingsRead {
    // Only what the file held; a value the file did not reach stays empty.
    std::optional<QString> photoDrive;
    std::optional<QString> saveBase;
    std::optional<QString> saveSubFolder;
    std::optional<QString> usageMode;
    std::optional<int> pcNumber;
    std::optional<QString> databaseRoot;
    // An editor saved the file in UTF-8; it was read as such.
    bool savedInUtf8 = false;

    // Both whole lines were there, so the fields were read too.
    bool hasBothLines() const { return photoDrive && saveBase; }
};

struct SettingsValues {
    QString photoDrive;
    QString saveBase;
    QString saveSubFolder;
    QString usageMode;
    int pcNumber = 0;
    QString databaseRoot;
};

SettingsRead parseSettingsLines(const QStringList& lines);
QStringList formatSettingsLines(const SettingsValues& values);

// What the teacher is told of a file saved in UTF-8.
inline const QString SettingsEncodingMessage =
    QStringLiteral("DRVDATA.TXT のもじが UTF-8 でした。せっていを ほぞんしなおしてください。");

// Reads the file at hostPath; a missing file gives nothing read.
SettingsRead readSettingsFile(const QString& hostPath);
// Replaces the file atomically through files; the old file stays whole when
// this fails, and a read-only folder or file is not written.
bool writeSettingsFile(const FileSystem& files, const QString& hostPath,
                       const SettingsValues& values, QString* errorString = nullptr);
