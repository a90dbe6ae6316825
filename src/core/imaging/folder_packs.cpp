// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/folder_packs.h"

#include <QFileInfo>
#include <QMutexLocker>

namespace {

struct PhotoName {
    QString folder;
    QString name;
};

PhotoName split(const QString& hostPath) {
    const QFileInfo info(hostPath);
    return {info.absolutePath(), info.fileName()};
}

} // namespace

void FolderPacks::beginPage() {
    const QMutexLocker lock(&m_mutex);
    ++m_page;
}

std::optional<SharedThumbnailFolder::Found> FolderPacks::find(const QString& hostPath,
                                                              const FileStamp& stamp) {
    const PhotoName photo = split(hostPath);
    SharedThumbnailFolder::Pack pack;
    {
        const QMutexLocker reading(&m_reading);
        QMutexLocker lock(&m_mutex);
        if (m_folder != photo.folder || m_read.page != m_page) {
            const quint64 page = m_page;
            lock.unlock();
            SharedThumbnailFolder::Pack fresh = SharedThumbnailFolder::read(photo.folder);
            lock.relock();
            m_folder = photo.folder;
            m_read = {page, std::move(fresh)};
        }
        pack = m_read.pack;
    }
    return SharedThumbnailFolder::find(pack, photo.name, stamp);
}

void FolderPacks::add(const QString& hostPath, const SharedThumbnailFolder::Entry& entry) {
    if (entry.jpeg.isEmpty())
        return;
    const PhotoName photo = split(hostPath);
    const QMutexLocker lock(&m_mutex);
    m_pending[photo.folder].insert(photo.name, entry);
}

void FolderPacks::flush() {
    QHash<QString, SharedThumbnailFolder::Pack> pending;
    {
        const QMutexLocker lock(&m_mutex);
        pending.swap(m_pending);
    }
    for (auto folder = pending.cbegin(); folder != pending.cend(); ++folder) {
        if (folder->isEmpty())
            continue;
        std::optional<SharedThumbnailFolder::Pack> written =
            SharedThumbnailFolder::add(folder.key(), folder.value(), m_lockWait);
        const QMutexLocker lock(&m_mutex);
        if (written && m_folder == folder.key())
            m_read.pack = std::move(*written);
    }
}

void FolderPacks::forget(const QStringList& hostPaths) {
    QHash<QString, QStringList> byFolder;
    for (const QString& hostPath : hostPaths) {
        const PhotoName photo = split(hostPath);
        byFolder[photo.folder] << photo.name;
    }
    for (auto folder = byFolder.cbegin(); folder != byFolder.cend(); ++folder) {
        {
            const QMutexLocker lock(&m_mutex);
            const auto pending = m_pending.find(folder.key());
            for (const QString& name : folder.value()) {
                if (pending != m_pending.end())
                    pending->remove(name);
                if (m_folder == folder.key())
                    m_read.pack.remove(name);
            }
        }
        SharedThumbnailFolder::forget(folder.key(), folder.value(), m_lockWait);
    }
}
