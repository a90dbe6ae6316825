// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/desktop_thumbnail_cache.h"

#include "core/geometry/fitting.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <optional>

namespace {

const QString UriKey = QStringLiteral("Thumb::URI");
const QString MTimeKey = QStringLiteral("Thumb::MTime");
const QString SizeKey = QStringLiteral("Thumb::Size");
const QString WidthKey = QStringLiteral("Thumb::Image::Width");
const QString HeightKey = QStringLiteral("Thumb::Image::Height");

// The sizes the file managers keep beside ours: all of them show the photo.
const QStringList PictureFolders = {QStringLiteral("normal"), QStringLiteral("large"),
                                    QStringLiteral("x-large"), QStringLiteral("xx-large")};
const QString FailFolder = QStringLiteral("fail/fotobako-1");

constexpr QFile::Permissions OwnerOnlyFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;

// Besides the letters, digits and "-._~", the characters the desktop's file
// managers leave as they are in a file URI's path.
const QByteArray UnescapedInPath = QByteArrayLiteral("/!$&'()*+,:=@");

// Level 1 of zlib: an entry is written on every first view, and it is four
// times faster than the default at little more size.
constexpr int PngQuality = 80;

bool ensureFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists())
        return false;
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath() || !ensureFolder(parent))
        return false;
    return QDir().mkdir(path, OwnerOnlyFolder) || QFileInfo(path).isDir();
}

bool keyMatches(const QImage& entry, const QString& key, qint64 expected, bool required) {
    const QString text = entry.text(key);
    if (text.isEmpty())
        return !required;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value == expected;
}

// The photo size the entry states, if it agrees with the entry's picture:
// file managers do not all say whether it is the stored or the upright size.
QSize statedPhotoSize(const QImage& entry) {
    const QSize stated(entry.text(WidthKey).toInt(), entry.text(HeightKey).toInt());
    if (stated.isEmpty() || !sameProportions(stated, entry.size()))
        return {};
    return stated;
}

// The keys come from the decoded image: the reader's own text() splits keys
// at their first colon.
std::optional<QImage> readEntry(const QString& path, const QString& uri, const FileStamp& stamp) {
    QImageReader reader(path, "png");
    QImage entry = reader.read();
    if (entry.isNull() || entry.text(UriKey) != uri ||
        !keyMatches(entry, MTimeKey, stamp.modifiedSecs, true) ||
        !keyMatches(entry, SizeKey, stamp.size, false))
        return std::nullopt;
    return entry;
}

void setStampKeys(QImage& image, const QString& uri, const FileStamp& stamp) {
    image.setText(UriKey, uri);
    image.setText(MTimeKey, QString::number(stamp.modifiedSecs));
    image.setText(SizeKey, QString::number(stamp.size));
    image.setText(QStringLiteral("Thumb::Mimetype"), QStringLiteral("image/jpeg"));
    image.setText(QStringLiteral("Software"), QStringLiteral("Fotobako"));
}

} // namespace

DesktopThumbnailCache::DesktopThumbnailCache(QString root) : m_root(std::move(root)) {}

QString DesktopThumbnailCache::standardRoot() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/thumbnails");
}

QString DesktopThumbnailCache::fileUri(const QString& hostPath) {
    const QString absolute = QFileInfo(hostPath).absoluteFilePath();
    return QStringLiteral("file://") +
           QString::fromLatin1(QUrl::toPercentEncoding(absolute, UnescapedInPath));
}

QString DesktopThumbnailCache::entryName(const QString& uri) {
    return QString::fromLatin1(
               QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

QString DesktopThumbnailCache::largeEntryPath(const QString& hostPath) const {
    return m_root + QStringLiteral("/large/") + entryName(fileUri(hostPath));
}

QString DesktopThumbnailCache::failEntryPath(const QString& hostPath) const {
    return m_root + QLatin1Char('/') + FailFolder + QLatin1Char('/') + entryName(fileUri(hostPath));
}

DesktopThumbnailCache::Entry DesktopThumbnailCache::find(const QString& hostPath,
                                                         const FileStamp& stamp) const {
    if (!enabled())
        return {};
    const QString uri = fileUri(hostPath);
    if (std::optional<QImage> entry = readEntry(largeEntryPath(hostPath), uri, stamp)) {
        const QSize photoSize = statedPhotoSize(*entry);
        return {Entry::Found, std::move(*entry), photoSize};
    }
    if (readEntry(failEntryPath(hostPath), uri, stamp))
        return {Entry::Failed, {}, {}};
    return {};
}

void DesktopThumbnailCache::store(const QString& hostPath, const FileStamp& stamp,
                                  const QImage& image, const QSize& photoSize) const {
    if (!enabled() || image.isNull())
        return;
    QImage entry = image;
    setStampKeys(entry, fileUri(hostPath), stamp);
    entry.setText(WidthKey, QString::number(photoSize.width()));
    entry.setText(HeightKey, QString::number(photoSize.height()));
    write(m_root + QStringLiteral("/large"), largeEntryPath(hostPath), std::move(entry));
}

void DesktopThumbnailCache::storeFailure(const QString& hostPath, const FileStamp& stamp) const {
    if (!enabled())
        return;
    QImage entry(1, 1, QImage::Format_ARGB32);
    entry.fill(Qt::transparent);
    setStampKeys(entry, fileUri(hostPath), stamp);
    write(m_root + QLatin1Char('/') + FailFolder, failEntryPath(hostPath), std::move(entry));
}

void DesktopThumbnailCache::forget(const QString& hostPath) const {
    if (!enabled())
        return;
    const QString name = entryName(fileUri(hostPath));
    for (const QString& folder : PictureFolders)
        QFile::remove(m_root + QLatin1Char('/') + folder + QLatin1Char('/') + name);
    QFile::remove(failEntryPath(hostPath));
}

// The entry appears whole or not at all: QSaveFile writes a temporary file
// beside it and renames it over the entry.
bool DesktopThumbnailCache::write(const QString& folder, const QString& entryPath,
                                  QImage image) const {
    if (!ensureFolder(m_root) || !ensureFolder(folder))
        return false;
    QSaveFile file(entryPath);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(OwnerOnlyFile))
        return false;
    QImageWriter writer(&file, "png");
    writer.setQuality(PngQuality);
    return writer.write(image) && file.commit();
}
