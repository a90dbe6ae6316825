// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/drive_map.h"

#include "core/files/cp932_text.h"
#include "core/files/desktop_device_mounts.h"
#include "core/files/removable_cards.h"
#include "core/files/untrusted_file.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStandardPaths>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

std::optional<QChar> driveLetter(QChar letter) {
    const QChar upper = letter.toUpper();
    if (upper < u'A' || upper > u'Z')
        return std::nullopt;
    return upper;
}

QString withoutTrailingSlash(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    return clean.size() > 1 && clean.endsWith(u'/') ? clean.chopped(1) : clean;
}

} // namespace

// The card in use, set from the window thread while workers resolve paths.
struct DriveMap::CardSlot {
    mutable QMutex mutex;
    QChar letter;
    QString folder;
};

DriveMap::DriveMap(QString defaultRoot)
    : m_defaultRoot(withoutTrailingSlash(defaultRoot)), m_card(std::make_shared<CardSlot>()) {}

QString DriveMap::standardDefaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/drives");
}

void DriveMap::setDrive(QChar letter, const QString& hostFolder) {
    if (const auto drive = driveLetter(letter))
        m_overrides.insert(*drive, withoutTrailingSlash(hostFolder));
}

bool DriveMap::loadOverrides(const QString& drivesTxtHostPath) {
    const UntrustedBytes file = readUntrusted(drivesTxtHostPath, UntrustedKind::SettingsFile);
    if (!file.ok())
        return false;
    const QDir base = QFileInfo(drivesTxtHostPath).absoluteDir();
    static const QRegularExpression line(QStringLiteral("^\\s*([A-Za-z]):\\s*(\\S.*?)\\s*$"));
    bool otherEncoding = false;
    const QStringList lines = decodeLinesExpecting(file.bytes, TextEncoding::Utf8, &otherEncoding);
    if (otherEncoding)
        m_loadNotes << QStringLiteral(
            "DRIVES.TXT のもじが UTF-8 ではありませんでした。UTF-8 で ほぞんしなおしてください。");
    QMap<QChar, int> given;
    for (const QString& text : lines) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            continue;
        const QChar letter = match.captured(1).at(0).toUpper();
        if (++given[letter] == 2)
            m_loadNotes << QStringLiteral(
                               "DRIVES.TXT に %1: が ２どあります。あとの ぎょうを つかいます。")
                               .arg(letter);
        setDrive(letter, base.absoluteFilePath(match.captured(2)));
    }
    return true;
}

QString DriveMap::hostFolder(QChar letter) const {
    const auto drive = driveLetter(letter);
    if (!drive)
        return {};
    if (const auto found = m_overrides.constFind(*drive); found != m_overrides.cend())
        return *found;
    {
        const QMutexLocker lock(&m_card->mutex);
        if (m_card->letter == *drive && !m_card->folder.isEmpty())
            return m_card->folder;
    }
    if (*drive == u'Z')
        return QStringLiteral("/");
    return m_defaultRoot + u'/' + drive->toLower();
}

bool DriveMap::isDefault(QChar letter) const {
    const auto drive = driveLetter(letter);
    return drive && !m_overrides.contains(*drive);
}

bool DriveMap::isPrivate(QChar letter) const {
    return isDefault(letter) && letter.toUpper() != u'Z';
}

QMap<QChar, QString> DriveMap::knownFolders() const {
    QMap<QChar, QString> folders = m_overrides;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        if (folders.contains(letter))
            continue;
        const QString folder = hostFolder(letter);
        if (QFileInfo(folder).isDir())
            folders.insert(letter, folder);
    }
    return folders;
}

QStringList DriveMap::standardCardRoots() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        if (const passwd* entry = getpwuid(getuid()))
            user = QString::fromLocal8Bit(entry->pw_name);
    }
    if (user.isEmpty())
        return {};
    return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user};
}

bool DriveMap::isCardDrive(const QString& photoDrive) const {
    static const QRegularExpression wholeDrive(QStringLiteral("^[A-Za-z]:\\\\?$"));
    if (m_cardRoots.isEmpty() || !wholeDrive.match(photoDrive).hasMatch())
        return false;
    return isPrivate(photoDrive.at(0));
}

std::optional<QString> DriveMap::cardFolder() const {
    if (std::optional<QString> card = chooseCard(mountedCardsIn(m_cardRoots)))
        return card;
    if (!m_cameraLookup.enabled)
        return std::nullopt;
    return desktopDeviceFolder(m_cameraLookup.desktopMountRoots);
}

void DriveMap::useCard(QChar letter, const QString& hostFolder) const {
    const QMutexLocker lock(&m_card->mutex);
    m_card->letter = letter.toUpper();
    m_card->folder = hostFolder.isEmpty() ? QString() : withoutTrailingSlash(hostFolder);
}

bool DriveMap::isCard(QChar letter) const {
    const QMutexLocker lock(&m_card->mutex);
    return m_card->letter == letter.toUpper() && !m_card->folder.isEmpty() &&
           !m_overrides.contains(letter.toUpper());
}
