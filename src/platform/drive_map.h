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

    void setDrive(QChar letter, const QString& hostFolder);
    // Reads "X: /host/folder" lines (UTF-8); returns false when the file
    // cannot be read. Lines that do not parse are skipped.
    bool loadOverrides(const QString& drivesTxtHostPath);

    // The host folder of letter, without a trailing "/" except for the root.
    QString hostFolder(QChar letter) const;
    // True when the letter has no override and its default folder is used.
    bool isDefault(QChar letter) const;
    // All letters with their host folders, overrides and defaults of the
    // letters that have been asked for.
    QMap<QChar, QString> knownFolders() const;

private:
    QString m_defaultRoot;
    QMap<QChar, QString> m_overrides;
};
