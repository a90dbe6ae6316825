// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/desktop_thumbnail_cache.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// The thumbnails a photo folder holds for every machine that shows it: one
// pack, .sh_thumbnails/fotobako.pack beside the photos, that a page reads in
// one request. Each entry is a small JPEG sized for the page's cell and
// counts only for the photo whose file name, size and modification time it
// records. The pack is read through the untrusted reader and changed only
// under the folder's lock, from a fresh read, by writing a whole new pack and
// renaming it over the old one: never in place, which a gvfs mount loses
// while another machine has the file open. A link, a device or a FIFO in
// place of the repository or the pack is never followed, written through or
// removed. Every failure is silent: the pack only ever saves work.
namespace SharedThumbnailFolder {

// An entry fits inside this box: the page's large cell (144 x 108) and a
// half again, so that it scales down sharply to any cell.
inline constexpr QSize EntryBox(216, 162);

struct Entry {
    FileStamp stamp;
    QSize photoSize; // upright
    QByteArray jpeg;
};
// By the photo's file name.
using Pack = QHash<QString, Entry>;

QByteArray encode(const Pack& pack);
// nullopt for anything but a whole pack.
std::optional<Pack> decode(const QByteArray& bytes);

// The folder's pack; empty when it has none or it cannot be read.
Pack read(const QString& hostFolder);
// An entry of picture (scaled to fit EntryBox) for a photo of the stamp.
Entry makeEntry(const QImage& picture, const FileStamp& stamp, const QSize& photoSize);

struct Found {
    QImage picture;
    QSize photoSize;
};
// The entry of the photo named name, when it records the photo's stamp and
// its picture decodes.
std::optional<Found> find(const Pack& pack, const QString& name, const FileStamp& stamp);

// Adds the entries to the folder's pack, each in place of any of its name;
// the pack as written, or nullopt when the lock could not be had within
// lockWait or the pack could not be written.
std::optional<Pack> add(const QString& hostFolder, const Pack& entries,
                        std::chrono::milliseconds lockWait);
// Removes the photos' entries from the folder's pack, and any entry an older
// version left for them in the repository's size folders.
void forget(const QString& hostFolder, const QStringList& names,
            std::chrono::milliseconds lockWait);
// Removes the pack and the repository with it, before the folder itself is
// removed.
void forgetFolder(const QString& hostFolder);

} // namespace SharedThumbnailFolder
