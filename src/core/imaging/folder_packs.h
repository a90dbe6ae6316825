// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/shared_thumbnail_folder.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// The shared thumbnail packs (see SharedThumbnailFolder) of the folder a
// loader shows: read once a page, whichever photo asks first, and the entries
// this machine made that wait to go in, each folder's in one locked update.
// Safe to use from several threads.
class FolderPacks {
public:
    explicit FolderPacks(std::chrono::milliseconds lockWait) : m_lockWait(lockWait) {}

    // A new page: a pack is read afresh when next asked for, as another
    // machine may have added to it.
    void beginPage();
    std::optional<SharedThumbnailFolder::Found> find(const QString& hostPath,
                                                     const FileStamp& stamp);
    // Keeps an entry for the next flush().
    void add(const QString& hostPath, const SharedThumbnailFolder::Entry& entry);
    // Writes the entries kept so far.
    void flush();
    // The photos are gone: their entries go from the packs and from memory.
    void forget(const QStringList& hostPaths);

private:
    struct Read {
        quint64 page = 0;
        SharedThumbnailFolder::Pack pack;
    };

    const std::chrono::milliseconds m_lockWait;
    QMutex m_reading; // one read of a pack at a time, so the others wait for it
    QMutex m_mutex;   // the members below
    quint64 m_page = 1;
    // Only the folder last read is kept: a page shows one folder.
    QString m_folder;
    Read m_read;
    QHash<QString, SharedThumbnailFolder::Pack> m_pending;
};
