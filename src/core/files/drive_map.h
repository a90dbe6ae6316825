// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/camera_device.h"

#include <QChar>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Which host folder stands for each drive letter. By default Z: is the host
// root "/" and every other letter is <defaultRoot>/<lower-case letter>, made
// when first needed. DRIVES.TXT lines "A: /media/card" override letters.
class DriveMap {
public:
    explicit DriveMap(QString defaultRoot);

    // The folder under which drives without an override live, normally
    // <AppDataLocation>/drives.
    static QString standardDefaultRoot();

    // Letters are taken without regard to case; anything but A to Z is ignored.
    void setDrive(QChar letter, const QString& hostFolder);
    // Reads "X: /host/folder" lines (UTF-8); returns false when the file
    // cannot be read. Lines that do not parse are skipped. A relative folder
    // is taken from the folder that holds the file. A file saved in code page
    // 932 is read as that, and a letter given twice takes its last line;
    // both are noted for the teacher in loadNotes().
    bool loadOverrides(const QString& drivesTxtHostPath);
    QStringList loadNotes() const { return m_loadNotes; }

    // The host folder of letter, without a trailing "/" except for the root;
    // empty for anything but A to Z.
    QString hostFolder(QChar letter) const;
    // True when the letter has no override and its default folder is used.
    bool isDefault(QChar letter) const;
    // True when the letter is a folder of this program's own on this computer,
    // which no other machine sees: every letter without an override but Z:.
    bool isPrivate(QChar letter) const;
    // Letters with their host folders: every override, and the defaults whose
    // folders exist (Z: always; the others once they have been made).
    QMap<QChar, QString> knownFolders() const;

    // The folders under which the desktop mounts removable cards; none (the
    // default) means cards are never looked for.
    void setCardRoots(const QStringList& roots) { m_cardRoots = roots; }
    // /media/<user> and /run/media/<user>, where desktops mount cards.
    static QStringList standardCardRoots();
    // True when the photo drive photoDrive ("A:\") stands for a mounted
    // card: it names a whole drive whose letter has no override, other than
    // the host root Z:, and card roots are set.
    bool isCardDrive(const QString& photoDrive) const;
    // The host folder of the card to use: of the volumes mounted directly in
    // a card root, the one with a DCIM folder, else the one mounted last;
    // else a camera or tablet the desktop has mounted (see
    // desktopDeviceFolder).
    std::optional<QString> cardFolder() const;
    // How a camera on a cable is looked for when no card is mounted.
    void setCameraLookup(CameraLookup lookup) { m_cameraLookup = std::move(lookup); }
    const CameraLookup& cameraLookup() const { return m_cameraLookup; }
    // From now on letter (the photo drive's) stands for the card's own
    // folder, which is never reached through another letter's mapping, so
    // that every name on the card resolves inside it; an empty folder gives
    // the letter back its default. Shared by the copies of this map.
    void useCard(QChar letter, const QString& hostFolder) const;
    bool isCard(QChar letter) const;

private:
    struct CardSlot;

    QString m_defaultRoot;
    QMap<QChar, QString> m_overrides;
    QStringList m_cardRoots;
    CameraLookup m_cameraLookup;
    QStringList m_loadNotes;
    std::shared_ptr<CardSlot> m_card;
};
