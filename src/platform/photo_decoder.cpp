#include "platform/photo_decoder.h"

#include "platform/exif_thumbnail.h"

#include <QBuffer>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <QTransform>
#include <cmath>
#include <optional>

namespace {

using Transformations = QImageIOHandler::Transformations;

// How far an embedded thumbnail's proportions may stray from the photo's.
// Cameras round the thumbnail's sides to whole pixels or to blocks of 8
// (504 x 376 for 4:3), while a letterboxed 4:3 thumbnail of a 16:9 photo is a
// third off.
constexpr double kProportionTolerance = 0.02;

bool turnsSideways(Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

QSize uprightSize(const QSize& stored, Transformations transformation) {
    return turnsSideways(transformation) ? stored.transposed() : stored;
}

// Mirrors first and then turns clockwise, the order the image reader uses.
QImage applyTransformation(QImage image, Transformations transformation) {
    image =
        std::move(image).mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                  transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (turnsSideways(transformation))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

bool sameProportions(const QSize& a, const QSize& b) {
    const double ratio = (double(a.width()) * b.height()) / (double(a.height()) * b.width());
    return std::abs(ratio - 1.0) <= kProportionTolerance;
}

struct PhotoHeader {
    QSize storedSize;
    Transformations transformation;

    QSize upright() const { return uprightSize(storedSize, transformation); }
};

// Reads the header of a fresh reader. A file is read as JPEG or not at all:
// a PNG named .JPG is as unreadable as a damaged one.
std::optional<PhotoHeader> readHeader(QImageReader& reader) {
    reader.setAutoDetectImageFormat(false);
    const QSize stored = reader.size();
    if (stored.isEmpty())
        return std::nullopt;
    return PhotoHeader{stored, reader.transformation()};
}

// A photo file read as JPEG. The reader opens the file itself, so a missing
// file is an unreadable one.
struct PhotoFile {
    explicit PhotoFile(const QString& hostPath) : file(hostPath), reader(&file, "jpeg") {}

    QFile file;
    QImageReader reader;
};

// The embedded thumbnail, turned upright the way the photo is (cameras store
// it as they store the photo), if accept(its upright size) holds.
template <typename Accept>
QImage uprightExifThumbnail(const QString& hostPath, Transformations photoTransformation,
                            Accept accept) {
    QByteArray data = readExifThumbnailData(hostPath);
    if (data.isEmpty())
        return {};
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "jpeg");
    const std::optional<PhotoHeader> header = readHeader(reader);
    if (!header || !accept(uprightSize(header->storedSize, photoTransformation)))
        return {};
    reader.setAutoTransform(false);
    return applyTransformation(reader.read(), photoTransformation);
}

} // namespace

QSize readPhotoSize(const QString& hostPath) {
    PhotoFile photo(hostPath);
    const std::optional<PhotoHeader> header = readHeader(photo.reader);
    return header ? header->upright() : QSize();
}

QImage decodePhoto(const QString& hostPath) {
    PhotoFile photo(hostPath);
    const std::optional<PhotoHeader> header = readHeader(photo.reader);
    if (!header ||
        qint64(header->storedSize.width()) * header->storedSize.height() > MaxPhotoPixels)
        return {};
    photo.reader.setAutoTransform(true);
    return photo.reader.read();
}

namespace {

bool fitsDecodeLimit(const QSize& box) {
    return !box.isEmpty() && qint64(box.width()) * box.height() <= MaxPhotoPixels;
}

} // namespace

QImage decodeExifThumbnailScaled(const QString& hostPath, const QSize& box) {
    if (!fitsDecodeLimit(box))
        return {};
    PhotoFile photo(hostPath);
    const std::optional<PhotoHeader> header = readHeader(photo.reader);
    if (!header)
        return {};
    const QSize uprightPhoto = header->upright();
    const QImage thumbnail =
        uprightExifThumbnail(hostPath, header->transformation, [&](const QSize& size) {
            return size.width() >= box.width() && size.height() >= box.height() &&
                   sameProportions(size, uprightPhoto);
        });
    if (thumbnail.isNull())
        return {};
    return thumbnail.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage decodePhotoReduced(const QString& hostPath, const QSize& box) {
    if (!fitsDecodeLimit(box))
        return {};
    PhotoFile photo(hostPath);
    const std::optional<PhotoHeader> header = readHeader(photo.reader);
    if (!header)
        return {};
    // The reader scales the stored picture, exactly to the size asked (after a
    // cheap reduced decode), and turns it upright afterwards.
    photo.reader.setScaledSize(turnsSideways(header->transformation) ? box.transposed() : box);
    photo.reader.setAutoTransform(true);
    return photo.reader.read();
}

QImage decodePhotoScaled(const QString& hostPath, const QSize& box) {
    QImage image = decodeExifThumbnailScaled(hostPath, box);
    return image.isNull() ? decodePhotoReduced(hostPath, box) : image;
}

QImage decodeExifThumbnail(const QString& hostPath) {
    PhotoFile photo(hostPath);
    const std::optional<PhotoHeader> header = readHeader(photo.reader);
    if (!header)
        return {};
    return uprightExifThumbnail(hostPath, header->transformation,
                                [](const QSize&) { return true; });
}
