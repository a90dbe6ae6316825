// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

class FileSystem;
class FolderIndex;

// What tells one photo from another without reading it whole: its size and
// the hash of its head.
struct PhotoKey {
    qint64 size = -1;
    QByteArray headHash;
    bool operator==(const PhotoKey&) const = default;
};
inline size_t qHash(const PhotoKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.size, key.headHash);
}

// The keys of the photos in a class's folders, kept in the class folder's
// "PHOTOKEYS.TXT" so that an import need not read the class again: one line
// per photo, "size hash directory name". Written whole under the class
// folder's index lock.
class ClassPhotoHashes {
public:
    // The store of classFolder as last written; a missing or damaged file
    // gives an empty one.
    static ClassPhotoHashes read(const FileSystem& files, const QString& classFolder);

    // Brings the store up to date with the photo folders of index: a photo
    // gone loses its key; a photo it lacks is read for its key only when its
    // size is one of sizes, the only keys a comparison can need.
    void reconcile(const FileSystem& files, const QString& classFolder, const FolderIndex& index,
                   const QSet<qint64>& sizes);
    bool contains(const PhotoKey& key) const { return m_keys.contains(key); }
    bool containsSize(qint64 size) const { return m_sizes.contains(size); }
    void add(const QString& directory, const QString& name, const PhotoKey& key);
    // True when reconcile or add changed what is stored.
    bool changed() const { return m_changed; }

    // Writes the store under the class folder's index lock; false when it
    // could not be.
    bool write(const FileSystem& files, const QString& classFolder) const;

private:
    struct Entry {
        QString directory;
        QString name;
        PhotoKey key;
    };
    void rebuildKeys();

    QHash<QString, Entry> m_entries; // by directory and name, case folded
    QSet<PhotoKey> m_keys;
    QSet<qint64> m_sizes;
    bool m_changed = false;
};
