// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_reader.h"

#include "core/files/network_mount.h"
#include "core/geometry/fitting.h"
#include "core/imaging/exif_thumbnail.h"
#include "core/imaging/heif_photo.h"
#include "core/imaging/image_orientation.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/photo_head.h"

#include <QBuffer>
#include <QImageReader>
#include <fcntl.h>

namespace {

using Transformations = Orientation;

// Over a network drive a camera's photo is read whole in one go: one long
// transfer instead of a round trip per piece the decoder asks for. From a
// local disk the decoder reads it piece by piece, which holds only a piece in
// memory.
constexpr qint64 MaxWholeReadBytes = 64LL * 1024 * 1024;

// A file is read as JPEG or HEIF or not at all: a PNG named .JPG is as
// unreadable as a damaged one.
void readAsJpeg(QImageReader& reader) {
    reader.setAutoDetectImageFormat(false);
}

QSize storedSizeFrom(QIODevice& device, Transformations& transformation) {
    QImageReader reader(&device, "jpeg");
    readAsJpeg(reader);
    const QSize stored = reader.size();
    transformation = reader.transformation();
    return stored;
}

bool fitsDecodeLimit(const QSize& box) {
    return !box.isEmpty() && qint64(box.width()) * box.height() <= MaxPhotoPixels;
}

} // namespace

PhotoReader::PhotoReader(const QString& hostPath) : m_file(hostPath, UntrustedKind::Photo) {
    if (!m_file.isOpen())
        return;
    QFile& file = m_file.device();
    m_head = readJpegHead(file);
    if (looksLikeHeif(m_head)) {
        m_heif = std::make_unique<HeifPhoto>(file);
        if (!m_heif->uprightSize().isEmpty())
            m_header = Header{m_heif->uprightSize(), QImageIOHandler::TransformationNone};
        return;
    }
    QBuffer head(&m_head);
    head.open(QIODevice::ReadOnly);
    Transformations transformation;
    QSize stored = storedSizeFrom(head, transformation);
    // A first scan behind more than the head holds: the file itself tells.
    if (stored.isEmpty() && m_file.size() > m_head.size() && file.seek(0))
        stored = storedSizeFrom(file, transformation);
    if (!stored.isEmpty())
        m_header = Header{stored, transformation};
}

PhotoReader::~PhotoReader() = default;

QSize PhotoReader::uprightSize() const {
    return m_header ? uprightOf(m_header->storedSize, m_header->transformation) : QSize();
}

template <typename Prepare> QImage PhotoReader::decodeFile(Prepare prepare) {
    QFile& file = m_file.device();
    if (!m_header || !file.seek(0))
        return {};
    // The front was read without read-ahead; the picture wants it back.
    ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_NORMAL);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QIODevice* source = &file;
    if (m_file.size() <= MaxWholeReadBytes && isOnNetworkMount(m_file.deviceId())) {
        bytes = file.readAll();
        buffer.open(QIODevice::ReadOnly);
        source = &buffer;
    }
    QImageReader reader(source, "jpeg");
    readAsJpeg(reader);
    prepare(reader);
    return reader.read();
}

QImage PhotoReader::whole() {
    if (!m_header ||
        qint64(m_header->storedSize.width()) * m_header->storedSize.height() > MaxPhotoPixels)
        return {};
    if (m_heif)
        return m_heif->whole();
    return decodeFile([](QImageReader& reader) { reader.setAutoTransform(true); });
}

// The reader scales the stored picture, exactly to the size asked (after a
// cheap reduced decode), and turns it upright afterwards.
QImage PhotoReader::reduced(const QSize& box) {
    if (!m_header || !fitsDecodeLimit(box))
        return {};
    if (m_heif) {
        const QImage picture = m_heif->whole();
        return picture.isNull()
                   ? picture
                   : picture.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const bool sideways = turnsSideways(m_header->transformation);
    return decodeFile([&](QImageReader& reader) {
        reader.setScaledSize(sideways ? box.transposed() : box);
        reader.setAutoTransform(true);
    });
}

// The embedded thumbnail, turned upright the way the photo is (cameras store
// it as they store the photo), if accept(its upright size) holds.
template <typename Accept> QImage PhotoReader::uprightExifThumbnail(Accept accept) {
    if (!m_header)
        return {};
    if (m_heif)
        return accept(m_heif->embeddedThumbnailSize()) ? m_heif->embeddedThumbnail() : QImage();
    QByteArray data = exifThumbnailDataIn(m_head);
    if (data.isEmpty())
        return {};
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    readAsJpeg(reader);
    const QSize stored = reader.size();
    if (stored.isEmpty() || !accept(uprightOf(stored, m_header->transformation)))
        return {};
    reader.setAutoTransform(false);
    return applyOrientation(reader.read(), m_header->transformation);
}

QImage PhotoReader::exifThumbnailScaled(const QSize& box) {
    if (!fitsDecodeLimit(box))
        return {};
    const QSize photo = uprightSize();
    const QImage thumbnail = uprightExifThumbnail([&](const QSize& size) {
        return size.width() >= box.width() && size.height() >= box.height() &&
               sameProportions(size, photo);
    });
    if (thumbnail.isNull())
        return {};
    return thumbnail.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PhotoReader::scaled(const QSize& box) {
    QImage image = exifThumbnailScaled(box);
    return image.isNull() ? reduced(box) : image;
}
