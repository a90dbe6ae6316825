// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/shared_thumbnail_folder.h"

#include "core/files/file_lock.h"
#include "core/files/untrusted_folder.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

namespace SharedThumbnailFolder {

namespace {

const QString Repository = QStringLiteral(".sh_thumbnails");
const QString PackName = QStringLiteral("fotobako.pack");
const QString LockName = QStringLiteral("fotobako.lock");
// The size folders of the freedesktop.org repository, where an older version
// kept an entry per photo.
const QStringList OlderSizeFolders = {QStringLiteral("normal"), QStringLiteral("large")};

constexpr char Magic[] = "FBTHPACK";
constexpr quint32 Version = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;
// No block shows at the cell's size, and a camera photo's entry stays near
// 8 KB.
constexpr int JpegQuality = 85;
// Bounds on what a pack may claim, far above what a folder of photos needs.
constexpr quint32 MaxEntries = 20000;
constexpr qsizetype MaxEntryBytes = 256 * 1024;

UntrustedFolder repository(const QString& hostFolder,
                           UntrustedFolder::Missing missing = UntrustedFolder::Missing::Stay) {
    return UntrustedFolder(hostFolder, {Repository}, missing);
}

bool isPlainName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..";
}

// Written whole through a temporary beside it and renamed over the old pack.
bool write(const UntrustedFolder& folder, const Pack& pack) {
    const QByteArray bytes = encode(pack);
    return folder.replaceFile(
        PackName, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

// Runs change on a fresh read of the pack under the folder's lock, and writes
// the pack when change says it changed it.
template <typename Change>
std::optional<Pack> update(const QString& hostFolder, std::chrono::milliseconds lockWait,
                           UntrustedFolder::Missing missing, Change change) {
    const UntrustedFolder folder = repository(hostFolder, missing);
    if (!folder.isOpen())
        return std::nullopt;
    const std::optional<FileLock> lock =
        FileLock::take(hostFolder + u'/' + Repository + u'/' + LockName, lockWait, LockPolicy{});
    if (!lock)
        return std::nullopt;
    Pack pack = read(hostFolder);
    if (change(pack) && !write(folder, pack))
        return std::nullopt;
    return pack;
}

QString olderEntryName(const QString& name) {
    return QString::fromLatin1(
               QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

} // namespace

QByteArray encode(const Pack& pack) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out.writeRawData(Magic, sizeof Magic - 1);
    out << Version << quint32(pack.size());
    for (auto entry = pack.cbegin(); entry != pack.cend(); ++entry) {
        const Entry& e = entry.value();
        out << entry.key() << e.stamp.size << e.stamp.modifiedSecs << qint32(e.photoSize.width())
            << qint32(e.photoSize.height()) << e.jpeg;
    }
    return bytes;
}

std::optional<Pack> decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    char magic[sizeof Magic - 1] = {};
    quint32 version = 0;
    quint32 count = 0;
    in.readRawData(magic, sizeof magic);
    in >> version >> count;
    if (QByteArrayView(magic, sizeof magic) != QByteArrayView(Magic) || version != Version ||
        count > MaxEntries)
        return std::nullopt;
    Pack pack;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString name;
        Entry entry;
        qint32 width = 0;
        qint32 height = 0;
        in >> name >> entry.stamp.size >> entry.stamp.modifiedSecs >> width >> height >> entry.jpeg;
        entry.photoSize = QSize(width, height);
        if (!isPlainName(name) || entry.photoSize.isEmpty() || entry.jpeg.size() > MaxEntryBytes)
            return std::nullopt;
        pack.insert(name, std::move(entry));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return pack;
}

// The pack is read in one go: one transfer instead of a round trip for each
// piece a reader asks for.
Pack read(const QString& hostFolder) {
    const UntrustedBytes bytes =
        repository(hostFolder).file(PackName, UntrustedKind::ThumbnailPack).readAll();
    if (!bytes.ok())
        return {};
    return decode(bytes.bytes).value_or(Pack());
}

Entry makeEntry(const QImage& picture, const FileStamp& stamp, const QSize& photoSize) {
    const bool larger = picture.width() > EntryBox.width() || picture.height() > EntryBox.height();
    const QImage small =
        larger ? picture.scaled(EntryBox, Qt::KeepAspectRatio, Qt::SmoothTransformation) : picture;
    Entry entry{stamp, photoSize, {}};
    QBuffer buffer(&entry.jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(small.convertToFormat(QImage::Format_RGB32)))
        entry.jpeg.clear();
    return entry;
}

std::optional<Found> find(const Pack& pack, const QString& name, const FileStamp& stamp) {
    const auto entry = pack.constFind(name);
    if (entry == pack.cend() || entry->stamp.size != stamp.size ||
        entry->stamp.modifiedSecs != stamp.modifiedSecs)
        return std::nullopt;
    QByteArray jpeg = entry->jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize stored = reader.size();
    if (stored.isEmpty() || stored.width() > EntryBox.width() ||
        stored.height() > EntryBox.height())
        return std::nullopt;
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return Found{std::move(picture), entry->photoSize};
}

std::optional<Pack> add(const QString& hostFolder, const Pack& entries,
                        std::chrono::milliseconds lockWait) {
    return update(hostFolder, lockWait, UntrustedFolder::Missing::Make, [&entries](Pack& pack) {
        pack.insert(entries);
        return true;
    });
}

void forget(const QString& hostFolder, const QStringList& names,
            std::chrono::milliseconds lockWait) {
    const auto holdsAny = [&names](const Pack& pack) {
        return std::any_of(names.cbegin(), names.cend(),
                           [&pack](const QString& name) { return pack.contains(name); });
    };
    if (holdsAny(read(hostFolder))) {
        update(hostFolder, lockWait, UntrustedFolder::Missing::Stay, [&](Pack& pack) {
            const bool held = holdsAny(pack);
            for (const QString& name : names)
                pack.remove(name);
            return held;
        });
    }
    for (const QString& size : OlderSizeFolders) {
        const UntrustedFolder older(hostFolder, {Repository, size});
        for (const QString& name : names)
            older.removeRegularFile(olderEntryName(name));
    }
}

void forgetFolder(const QString& hostFolder) {
    const UntrustedFolder folder = repository(hostFolder);
    folder.removeRegularFile(PackName);
    for (const QString& size : OlderSizeFolders) {
        const UntrustedFolder entries(hostFolder, {Repository, size});
        for (const QString& name : entries.regularFiles(QStringLiteral(".png")))
            entries.removeRegularFile(name);
        folder.removeEmptyFolder(size);
    }
    UntrustedFolder(hostFolder, {}).removeEmptyFolder(Repository);
}

} // namespace SharedThumbnailFolder
