#include "core/imaging/shared_thumbnail_folder.h"

#include "core/files/untrusted_folder.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
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
    return uri == relative || uri.endsWith(u'/' + relative);
}

bool keyIs(const QImage& entry, const QString& key, qint64 expected) {
    bool ok = false;
    return entry.text(key).toLongLong(&ok) == expected && ok;
}

QString entryName(const QString& hostPath) {
    const QByteArray name = QFileInfo(hostPath).fileName().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

// The repository's size folder beside the photo, reached without following a
// link: this is where every read, write and removal of an entry starts.
UntrustedFolder sizeFolder(const QString& hostPath, const QString& size,
                           UntrustedFolder::Missing missing = UntrustedFolder::Missing::Stay) {
    return UntrustedFolder(QFileInfo(hostPath).absolutePath(), {Repository, size}, missing);
}

// The entry is read in one go: one transfer instead of a round trip for each
// piece the PNG decoder asks for. It counts only when it names the photo and
// gives the photo's size and modification time: photos imported in the same
// second share their time.
std::optional<Entry> read(const QString& size, const QString& hostPath, const FileStamp& stamp) {
    UntrustedBytes bytes = sizeFolder(hostPath, size)
                               .file(entryName(hostPath), UntrustedKind::ThumbnailEntry)
                               .readAll();
    if (!bytes.ok())
        return std::nullopt;
    QBuffer buffer(&bytes.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    QImage image = reader.read();
    if (image.isNull() || !namesThePhoto(image.text(QStringLiteral("Thumb::URI")), hostPath) ||
        !keyIs(image, QStringLiteral("Thumb::MTime"), stamp.modifiedSecs) ||
        !keyIs(image, QStringLiteral("Thumb::Size"), stamp.size))
        return std::nullopt;
    const QSize stated(image.text(QStringLiteral("Thumb::Image::Width")).toInt(),
                       image.text(QStringLiteral("Thumb::Image::Height")).toInt());
    return Entry{std::move(image), stated.isEmpty() ? QSize() : stated};
}

} // namespace

QString entryPath(const QString& hostPath, const QString& sizeFolder) {
    return repositoryOf(hostPath) + u'/' + sizeFolder + u'/' + entryName(hostPath);
}

std::optional<Entry> find(const QString& hostPath, const FileStamp& stamp, int boxSide) {
    if (boxSide <= NormalSide) {
        if (std::optional<Entry> normal = read(Normal, hostPath, stamp))
            return normal;
    }
    return read(Large, hostPath, stamp);
}

// Written whole or not at all, through a named temporary beside the entry,
// so that no other machine reads half an entry.
void share(const QString& hostPath, const FileStamp& stamp, const QImage& image,
           const QSize& photoSize) {
    const UntrustedFolder large = sizeFolder(hostPath, Large, UntrustedFolder::Missing::Make);
    if (image.isNull() || !large.isOpen())
        return;
    QImage entry = image;
    entry.setText(QStringLiteral("Thumb::URI"), relativeUri(hostPath));
    entry.setText(QStringLiteral("Thumb::MTime"), QString::number(stamp.modifiedSecs));
    entry.setText(QStringLiteral("Thumb::Size"), QString::number(stamp.size));
    entry.setText(QStringLiteral("Thumb::Mimetype"), QStringLiteral("image/jpeg"));
    entry.setText(QStringLiteral("Thumb::Image::Width"), QString::number(photoSize.width()));
    entry.setText(QStringLiteral("Thumb::Image::Height"), QString::number(photoSize.height()));
    entry.setText(QStringLiteral("Software"), QStringLiteral("Fotobako"));
    large.replaceFile(entryName(hostPath), [&entry](QIODevice& file) {
        QImageWriter writer(&file, "png");
        writer.setQuality(PngQuality);
        return writer.write(entry);
    });
}

void forget(const QString& hostPath) {
    for (const QString& size : {Normal, Large})
        sizeFolder(hostPath, size).removeRegularFile(entryName(hostPath));
}

void forgetFolder(const QString& hostFolder) {
    const UntrustedFolder repository(hostFolder, {Repository});
    for (const QString& size : {Normal, Large}) {
        const UntrustedFolder entries(hostFolder, {Repository, size});
        for (const QString& name : entries.regularFiles(QStringLiteral(".png")))
            entries.removeRegularFile(name);
        repository.removeEmptyFolder(size);
    }
    UntrustedFolder(hostFolder, {}).removeEmptyFolder(Repository);
}

} // namespace SharedThumbnailFolder
