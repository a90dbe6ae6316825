#pragma once

#include <QChar>
#include <QMap>
#include <QString>

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
    // is taken from the folder that holds the file.
    bool loadOverrides(const QString& drivesTxtHostPath);

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

private:
    QString m_defaultRoot;
    QMap<QChar, QString> m_overrides;
};
