// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/settings_check.h"

#include "core/files/cp932_text.h"
#include "core/files/file_system.h"

#include <QRegularExpression>

namespace {

const QString PhotoDriveField = QStringLiteral("写真ドライブ");
const QString SaveDriveField = QStringLiteral("保存ドライブ");
const QString DatabaseField = QStringLiteral("ネットワーク保存ドライブ");

// A character the code page lacks would be saved as another one, and a line
// break would split the file's lines.
bool survivesTheFile(const QString& text) {
    return !text.contains(u'\r') && !text.contains(u'\n') && decodeCp932(encodeCp932(text)) == text;
}

bool isDrivePath(const QString& text) {
    static const QRegularExpression drivePath(QStringLiteral("^[A-Za-z]:(\\\\.*)?$"));
    return drivePath.match(text).hasMatch();
}

QString unreadable(const QString& field) {
    return QStringLiteral("「%1」に つかえない もじが あります。").arg(field);
}

QString notADrivePath(const QString& field) {
    return QStringLiteral("「%1」は「D:\\」のように ドライブから かいてください。").arg(field);
}

} // namespace

std::optional<QString> settingsRefusal(const SettingsTexts& texts) {
    const std::pair<const QString&, QString> fields[] = {
        {texts.photoDrive, PhotoDriveField},
        {texts.saveBase, SaveDriveField},
        {texts.schoolYear, QStringLiteral("利用年度")},
        {texts.usageMode, QStringLiteral("利用形態")},
        {texts.nodeNumber, QStringLiteral("ノード番号")},
        {texts.databaseRoot, DatabaseField},
    };
    for (const auto& [text, field] : fields) {
        if (!survivesTheFile(text))
            return unreadable(field);
    }
    if (!isDrivePath(texts.photoDrive))
        return notADrivePath(PhotoDriveField);
    if (!isDrivePath(texts.saveBase))
        return notADrivePath(SaveDriveField);
    if (!texts.databaseRoot.isEmpty() && !isDrivePath(texts.databaseRoot))
        return notADrivePath(DatabaseField);
    if (!nodeNumberOf(texts.nodeNumber))
        return NodeNumberRefusal;
    return std::nullopt;
}

QStringList privateDriveFields(const FileSystem& files, const SettingsValues& values,
                               const SettingsValues& inForce) {
    QStringList fields;
    if (values.saveBase != inForce.saveBase && files.isOnPrivateDrive(values.saveBase))
        fields << SaveDriveField;
    if (values.databaseRoot != inForce.databaseRoot && files.isOnPrivateDrive(values.databaseRoot))
        fields << DatabaseField;
    return fields;
}

QString privateDriveQuestion(const QStringList& fields) {
    return privateDriveNotice(fields) + QStringLiteral("よろしいですか。");
}

QStringList unmadePrivateDriveFields(const FileSystem& files, const QString& saveBase,
                                     const QString& databaseRoot) {
    const auto unmade = [&files](const QString& folder) {
        return !folder.isEmpty() && files.isOnPrivateDrive(folder) && !files.exists(folder);
    };
    QStringList fields;
    if (unmade(saveBase))
        fields << SaveDriveField;
    if (unmade(databaseRoot))
        fields << DatabaseField;
    return fields;
}

QString privateDriveNotice(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << u'「' + field + u'」';
    return quoted.join(u'と') +
           QStringLiteral("の ドライブは このコンピュータの なかに つくられます。");
}
