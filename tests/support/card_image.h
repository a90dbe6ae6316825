#pragma once

#include <QString>
#include <QTemporaryDir>

// A camera card for tests: an exFAT or FAT32 image on a loop device, mounted
// through FUSE at a folder the test chooses; unmounted and detached when it
// goes, also after a failed test.
class CardImage {
public:
    enum class Format { ExFat, Fat32 };
    CardImage(Format format, QString mountPoint) : m_format(format), m_mountPoint(mountPoint) {}
    ~CardImage();

    // Makes the card, labelled CARD, and mounts it. Empty when it did;
    // otherwise why, and skippable() says whether only FUSE or a loop device
    // is missing on this machine, not a tool of scripts/setup.sh.
    QString start();
    bool skippable() const { return m_skippable; }
    QString mountPoint() const { return m_mountPoint; }

private:
    Format m_format;
    QString m_mountPoint;
    QTemporaryDir m_dir;
    QString m_loopDevice;
    bool m_mounted = false;
    bool m_skippable = false;
};
