// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A camera card: an exFAT or FAT32 image labelled CARD on a loop device,
// mounted through FUSE at mountPoint; unmounted and detached when it goes.
class CardImage {
public:
    enum class Format { ExFat, Fat32 };
    CardImage(Format format, QString mountPoint) : m_format(format), m_mountPoint(mountPoint) {}
    ~CardImage();

    // Empty once mounted, else why not; skippable() when only FUSE or a loop
    // device is missing, not a tool of scripts/setup.sh.
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

// Mounts card, or ends the test: skipped where the machine cannot have a
// card, failed where a tool of scripts/setup.sh is missing.
#define START_CARD_OR_END_TEST(card)                                                               \
    do {                                                                                           \
        if (const QString failure = (card).start(); !failure.isEmpty()) {                          \
            if ((card).skippable())                                                                \
                GTEST_SKIP() << failure.toStdString();                                             \
            FAIL() << failure.toStdString();                                                       \
        }                                                                                          \
    } while (false)
