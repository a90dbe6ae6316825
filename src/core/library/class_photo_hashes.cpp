// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/class_photo_hashes.h"

#include "core/files/file_system.h"
#include "core/files/photo_files.h"
#include "core/files/untrusted_file.h"
#include "core/library/folder_names.h"
#include "core/library/library_paths.h"
#include "core/library/locked_index.h"
#include "core/state/folder_index.h"

#include <algorithm>

namespace {

const QString StoreName = QStringLiteral("PHOTOKEYS.TXT");

QString storePathOf(const QString& classFolder) {
    return classFolder.endsWith(u'\\') ? classFolder + StoreName : joinPath(classFolder, StoreName);
}

QString entryKey(const QString& directory, const QString& name) {
    return (directory + u'\\' + name).toCaseFolded();
}

} // namespace

ClassPhotoHashes ClassPhotoHashes::read(const FileSystem& files, const QString& classFolder) {
    ClassPhotoHashes store;
    const FileSystem::FileRead read =
        files.readFile(storePathOf(classFolder), UntrustedKind::PhotoKeys);
    if (read.status != FileSystem::FileRead::Read)
        return store;
    for (const QByteArray& line : read.bytes.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 4)
            continue;
        bool isNumber = false;
        const qint64 size = fields[0].toLongLong(&isNumber);
        const QString directory = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[2]));
        const QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[3]));
        if (isNumber && size >= 0 && !fields[1].isEmpty() && isPlainDirectoryName(directory) &&
            isWholeName(name))
            store.m_entries.insert(entryKey(directory, name), {directory, name, {size, fields[1]}});
    }
    store.rebuildKeys();
    return store;
}

void ClassPhotoHashes::reconcile(const FileSystem& files, const QString& classFolder,
                                 const FolderIndex& index, const QSet<qint64>& sizes) {
    QHash<QString, Entry> current;
    for (int row = 1; row <= index.count(); ++row) {
        const QString directory = index[row][ColDirectory];
        if (!isPlainDirectoryName(directory))
            continue;
        const QString folder = joinPath(classFolder, directory);
        for (const QString& name : listPhotoFiles(files, folder)) {
            const QString key = entryKey(directory, name);
            const qint64 size = files.fileSizeIn(folder, name);
            const auto known = m_entries.constFind(key);
            if (known != m_entries.cend() && known->key.size == size) {
                current.insert(key, *known);
            } else if (sizes.contains(size)) {
                const QByteArray hash = files.headHashIn(folder, name);
                if (!hash.isEmpty())
                    current.insert(key, {directory, name, {size, hash}});
            }
        }
    }
    if (current.size() != m_entries.size() ||
        std::any_of(current.keyBegin(), current.keyEnd(),
                    [this](const QString& key) { return !m_entries.contains(key); }))
        m_changed = true;
    m_entries = std::move(current);
    rebuildKeys();
}

void ClassPhotoHashes::add(const QString& directory, const QString& name, const PhotoKey& key) {
    m_entries.insert(entryKey(directory, name), {directory, name, key});
    m_keys.insert(key);
    m_sizes.insert(key.size);
    m_changed = true;
}

bool ClassPhotoHashes::write(const FileSystem& files, const QString& classFolder) const {
    const std::optional<FileLock> lock =
        files.lockFile(indexLockPathOf(classFolder), IndexLockWait);
    if (!lock)
        return false;
    QByteArray bytes;
    for (const Entry& entry : m_entries)
        bytes += QByteArray::number(entry.key.size) + ' ' + entry.key.headHash + ' ' +
                 entry.directory.toUtf8().toPercentEncoding() + ' ' +
                 entry.name.toUtf8().toPercentEncoding() + '\n';
    return files.writeFile(storePathOf(classFolder), bytes);
}

void ClassPhotoHashes::rebuildKeys() {
    m_keys.clear();
    m_sizes.clear();
    for (const Entry& entry : m_entries) {
        m_keys.insert(entry.key);
        m_sizes.insert(entry.key.size);
    }
}
