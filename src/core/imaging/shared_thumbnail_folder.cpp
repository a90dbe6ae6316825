#include "core/imaging/shared_thumbnail_folder.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QUrl>

namespace SharedThumbnailFolder {

namespace {

const QString Repository = QStringLiteral(".sh_thumbnails");
const QString Normal = QStringLiteral("normal");
const QString Large = QStringLiteral("large");
constexpr int NormalSide = 128;
constexpr int PngQuality = 80; // zlib level 1, as in the desktop cache

QString repositoryOf(const QString& hostPath) {
    return QFileInfo(hostPath).absolutePath() + u'/' + Repository;
}

// A relative URI: the file name, percent-encoded.
QString relativeUri(const QString& hostPath) {
    return QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(hostPath).fileName()));
}

// Another program may have written the photo's absolute URI.
bool namesThePhoto(const QString& uri, const QString& hostPath) {
    const QString relative = relativeUri(hostPath);
    return uri.isEmpty() || uri == relative || uri.endsWith(u'/' + relative);
}

bool keyIs(const QImage& entry, const QString& key, qint64 expected, bool required) {
    const QString text = entry.text(key);
    if (text.isEmpty())
        return !required;
    bool ok = false;
    return text.toLongLong(&ok) == expected && ok;
}

// The entry is read in one go: one transfer instead of a round trip for each
// piece the PNG decoder asks for. A missing entry is one failed open: an image
// reader given the path would also look for the path with ".png" added.
std::optional<Entry> read(const QString& path, const QString& hostPath, const FileStamp& stamp) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    QImage image = reader.read();
    if (image.isNull() || !namesThePhoto(image.text(QStringLiteral("Thumb::URI")), hostPath) ||
        !keyIs(image, QStringLiteral("Thumb::MTime"), stamp.modifiedSecs, true) ||
        !keyIs(image, QStringLiteral("Thumb::Size"), stamp.size, false))
        return std::nullopt;
    const QSize stated(image.text(QStringLiteral("Thumb::Image::Width")).toInt(),
                       image.text(QStringLiteral("Thumb::Image::Height")).toInt());
    return Entry{std::move(image), stated.isEmpty() ? QSize() : stated};
}

// Two photos of a page may be shared at once, so the folder one of them made a
// moment ago counts as made.
bool makeFolder(const QString& path) {
    return QDir().mkdir(path) || QFileInfo(path).isDir();
}

} // namespace

QString entryPath(const QString& hostPath, const QString& sizeFolder) {
    const QByteArray name = QFileInfo(hostPath).fileName().toUtf8();
    return repositoryOf(hostPath) + u'/' + sizeFolder + u'/' +
           QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

std::optional<Entry> find(const QString& hostPath, const FileStamp& stamp, int boxSide) {
    if (boxSide <= NormalSide) {
        if (std::optional<Entry> normal = read(entryPath(hostPath, Normal), hostPath, stamp))
            return normal;
    }
    return read(entryPath(hostPath, Large), hostPath, stamp);
}

// Written whole or not at all, through a named temporary beside the entry,
// so that no other machine reads half an entry.
void share(const QString& hostPath, const FileStamp& stamp, const QImage& image,
           const QSize& photoSize) {
    const QString repository = repositoryOf(hostPath);
    if (image.isNull() || !makeFolder(repository) || !makeFolder(repository + u'/' + Large))
        return;
    QImage entry = image;
    entry.setText(QStringLiteral("Thumb::URI"), relativeUri(hostPath));
    entry.setText(QStringLiteral("Thumb::MTime"), QString::number(stamp.modifiedSecs));
    entry.setText(QStringLiteral("Thumb::Size"), QString::number(stamp.size));
    entry.setText(QStringLiteral("Thumb::Mimetype"), QStringLiteral("image/jpeg"));
    entry.setText(QStringLiteral("Thumb::Image::Width"), QString::number(photoSize.width()));
    entry.setText(QStringLiteral("Thumb::Image::Height"), QString::number(photoSize.height()));
    entry.setText(QStringLiteral("Software"), QStringLiteral("Fotobako"));
    QSaveFile file(entryPath(hostPath, Large));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QImageWriter writer(&file, "png");
    writer.setQuality(PngQuality);
    if (writer.write(entry))
        file.commit();
}

void forget(const QString& hostPath) {
    for (const QString& size : {Normal, Large})
        QFile::remove(entryPath(hostPath, size));
}

void forgetFolder(const QString& hostFolder) {
    const QDir repository(hostFolder + u'/' + Repository);
    for (const QString& size : {Normal, Large}) {
        QDir entries(repository.filePath(size));
        for (const QString& name : entries.entryList({QStringLiteral("*.png")}, QDir::Files))
            entries.remove(name);
        repository.rmdir(size);
    }
    QDir(hostFolder).rmdir(Repository);
}

} // namespace SharedThumbnailFolder
