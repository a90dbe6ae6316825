// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// What the shared cache checks to tell whether an entry still shows a file.
struct FileStamp {
    qint64 modifiedSecs = 0;
    qint64 size = 0;
};

// The desktop's shared thumbnail cache of the freedesktop.org Thumbnail
// Managing Standard, which file managers read and write too: PNG files named
// by the MD5 of the photo's file URI, in large/ (256 pixels) and, for photos
// that cannot be decoded, in fail/<program>/. An entry counts only while its
// URI, modification time and (when it carries one) size are the photo's.
// Every failure to read or write is silent: the cache only ever saves work.
class DesktopThumbnailCache {
public:
    // The longest side of a large entry.
    static constexpr int LargeSide = 256;

    // root is the "thumbnails" folder; an empty root keeps no cache at all.
    explicit DesktopThumbnailCache(QString root = {});

    // $XDG_CACHE_HOME/thumbnails, by default ~/.cache/thumbnails.
    static QString standardRoot();
    // file:// and the absolute path in UTF-8, percent-encoded in the way the
    // desktop's own file managers do it, so the names match theirs.
    static QString fileUri(const QString& hostPath);
    // The MD5 of uri in lower-case hex, with ".png".
    static QString entryName(const QString& uri);

    bool enabled() const { return !m_root.isEmpty(); }
    QString largeEntryPath(const QString& hostPath) const;
    QString failEntryPath(const QString& hostPath) const;

    struct Entry {
        enum Kind { Missing, Found, Failed };
        Kind kind = Missing;
        QImage image;    // Found: the entry's picture, upright
        QSize photoSize; // Found: the photo's upright size
    };
    Entry find(const QString& hostPath, const FileStamp& stamp) const;

    // photoSize is the photo's upright size; image is at most LargeSide.
    void store(const QString& hostPath, const FileStamp& stamp, const QImage& image,
               const QSize& photoSize) const;
    void storeFailure(const QString& hostPath, const FileStamp& stamp) const;
    // Removes every entry of the file, ours and the file managers' sizes.
    void forget(const QString& hostPath) const;

private:
    bool write(const QString& folder, const QString& entryPath, QImage image) const;

    QString m_root;
};
