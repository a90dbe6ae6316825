// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/settings_form_values.h"

#include <QString>
#include <QStringList>
#include <optional>

class FileSystem;

inline const QString NodeNumberRefusal =
    QStringLiteral("「ノード番号」は 0から 999までの すうじで かいてください。");

// Why the texts the settings window shows cannot be saved, as one message in
// simple kana that names the field; nullopt when every value can work. Text
// must read back from the file exactly as written, and the photo drive, the
// save drive folder and (when set) the database folder must be drive paths.
std::optional<QString> settingsRefusal(const SettingsTexts& texts);

// The names of the fields, among the save drive folder and the database
// folder, whose value is new and lies on a drive of this computer alone, which
// would be made there without a word.
QStringList privateDriveFields(const FileSystem& files, const SettingsValues& values,
                               const SettingsValues& inForce);

// The one question asked before such fields are saved.
QString privateDriveQuestion(const QStringList& fields);

// The names of the fields whose folder, the save drive folder or (when set)
// the database folder, does not exist yet on a drive of this computer alone:
// start-up would make it there without a word.
QStringList unmadePrivateDriveFields(const FileSystem& files, const QString& saveBase,
                                     const QString& databaseRoot);

// What start-up tells once before it makes such folders.
QString privateDriveNotice(const QStringList& fields);
