// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_photos.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>
#include <libheif/heif.h>
#include <random>

namespace {

// Tolerance of showsTestPicture per colour channel: well above what JPEG,
// scaling and the noise leave of a flat colour, well below the distance
// between any two palette colours.
constexpr int kChannelTolerance = 48;
constexpr int kNoiseAmplitude = 16;

// The upright position of stored pixel (x, y) for an EXIF orientation, from
// the tag's definition: where row 0 and column 0 of the stored picture lie
// when it is shown. uprightWidth and uprightHeight are the shown size.
QPoint uprightPosition(int orientation, int x, int y, int uprightWidth, int uprightHeight) {
    if (orientation < 2 || orientation > 8)
        return {x, y};
    // 5 to 8 store the picture on its side: rows become columns.
    const bool transposed = orientation >= 5;
    const bool mirrored =
        orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
    const bool flipped =
        orientation == 3 || orientation == 4 || orientation == 7 || orientation == 8;
    const int column = transposed ? y : x;
    const int row = transposed ? x : y;
    return {mirrored ? uprightWidth - 1 - column : column, flipped ? uprightHeight - 1 - row : row};
}

bool turnsSideways(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

// The pixels a camera stores for an upright picture under orientation.
QImage storedPicture(const QImage& upright, int orientation) {
    const QImage source = upright.convertToFormat(QImage::Format_RGB32);
    QImage stored(turnsSideways(orientation) ? source.size().transposed() : source.size(),
                  QImage::Format_RGB32);
    for (int y = 0; y < stored.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(stored.scanLine(y));
        for (int x = 0; x < stored.width(); ++x) {
            const QPoint at = uprightPosition(orientation, x, y, source.width(), source.height());
            line[x] = reinterpret_cast<const QRgb*>(source.constScanLine(at.y()))[at.x()];
        }
    }
    return stored;
}

void addNoise(QImage& image) {
    std::minstd_rand random(20020615);
    std::uniform_int_distribution<int> offset(-kNoiseAmplitude, kNoiseAmplitude);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + offset(random), 0, 255),
                           std::clamp(qGreen(pixel) + offset(random), 0, 255),
                           std::clamp(qBlue(pixel) + offset(random), 0, 255));
        }
    }
}

QByteArray encodeJpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

// An APP1 payload ("Exif\0\0" and the TIFF structure) made with libexif.
QByteArray exifPayload(std::optional<quint16> orientation, const QByteArray& thumbnail) {
    ExifData* exif = exif_data_new();
    exif_data_set_byte_order(exif, EXIF_BYTE_ORDER_INTEL);
    if (orientation) {
        ExifEntry* entry = exif_entry_new();
        exif_content_add_entry(exif->ifd[EXIF_IFD_0], entry);
        exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
        exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, *orientation);
        exif_entry_unref(entry);
    }
    if (!thumbnail.isEmpty()) {
        // libexif frees the thumbnail with free().
        exif->data = static_cast<unsigned char*>(std::malloc(size_t(thumbnail.size())));
        std::memcpy(exif->data, thumbnail.constData(), size_t(thumbnail.size()));
        exif->size = static_cast<unsigned int>(thumbnail.size());
    }
    unsigned char* saved = nullptr;
    unsigned int savedSize = 0;
    exif_data_save_data(exif, &saved, &savedSize);
    const QByteArray payload(reinterpret_cast<const char*>(saved), qsizetype(savedSize));
    std::free(saved);
    exif_data_unref(exif);
    return payload;
}

// Puts an APP1 segment right after the start-of-image marker, where cameras
// put it. Empty when the payload is too large for one segment.
QByteArray withApp1(const QByteArray& jpeg, const QByteArray& payload) {
    const qsizetype length = payload.size() + 2;
    if (payload.isEmpty() || length > 0xFFFF)
        return {};
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QColor meanColor(const QImage& image, const QRect& area) {
    qint64 red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            red += qRed(line[x]);
            green += qGreen(line[x]);
            blue += qBlue(line[x]);
        }
    }
    const qint64 count = qint64(area.width()) * area.height();
    return QColor(int(red / count), int(green / count), int(blue / count));
}

// The central half of each quadrant, away from the edges that compression and
// scaling blur.
std::array<QRect, 4> quadrantCores(const QSize& size) {
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    const int rightWidth = size.width() - halfWidth;
    const int bottomHeight = size.height() - halfHeight;
    const auto core = [](int left, int top, int width, int height) {
        return QRect(left + width / 4, top + height / 4, std::max(1, width / 2),
                     std::max(1, height / 2));
    };
    return {core(0, 0, halfWidth, halfHeight), core(halfWidth, 0, rightWidth, halfHeight),
            core(0, halfHeight, halfWidth, bottomHeight),
            core(halfWidth, halfHeight, rightWidth, bottomHeight)};
}

} // namespace

std::array<QColor, 4> testPaletteColors(TestPalette palette) {
    if (palette == TestPalette::Thumbnail)
        return {QColor(40, 220, 230), QColor(220, 40, 220), QColor(250, 250, 250),
                QColor(20, 20, 20)};
    return {QColor(230, 40, 40), QColor(40, 200, 60), QColor(40, 60, 230), QColor(240, 220, 40)};
}

QImage testPicture(const QSize& size, TestPalette palette) {
    QImage picture(size, QImage::Format_RGB32);
    const std::array<QColor, 4> colors = testPaletteColors(palette);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, halfWidth, halfHeight), colors[0]);
    painter.fillRect(QRect(halfWidth, 0, size.width() - halfWidth, halfHeight), colors[1]);
    painter.fillRect(QRect(0, halfHeight, halfWidth, size.height() - halfHeight), colors[2]);
    painter.fillRect(
        QRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight),
        colors[3]);
    return picture;
}

bool showsTestPicture(const QImage& image, TestPalette palette) {
    if (image.width() < 2 || image.height() < 2)
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::array<QColor, 4> colors = testPaletteColors(palette);
    const std::array<QRect, 4> cores = quadrantCores(rgb.size());
    for (size_t i = 0; i < cores.size(); ++i) {
        const QColor seen = meanColor(rgb, cores[i]);
        if (std::abs(seen.red() - colors[i].red()) > kChannelTolerance ||
            std::abs(seen.green() - colors[i].green()) > kChannelTolerance ||
            std::abs(seen.blue() - colors[i].blue()) > kChannelTolerance)
            return false;
    }
    return true;
}

bool writeTestJpeg(const QString& hostPath, const QSize& uprightSize,
                   const TestJpegOptions& options) {
    const int orientation = options.orientation.value_or(1);
    QImage stored = storedPicture(testPicture(uprightSize), orientation);
    if (options.noise)
        addNoise(stored);
    QByteArray jpeg = encodeJpeg(stored, options.quality);
    if (jpeg.isEmpty())
        return false;

    QByteArray thumbnail = options.exifThumbnailData;
    if (thumbnail.isEmpty() && options.exifThumbnail.isValid())
        thumbnail = encodeJpeg(
            storedPicture(testPicture(options.exifThumbnail, TestPalette::Thumbnail), orientation),
            90);
    if (options.orientation || !thumbnail.isEmpty()) {
        jpeg = withApp1(jpeg, exifPayload(options.orientation, thumbnail));
        if (jpeg.isEmpty())
            return false;
    }

    QFile file(hostPath);
    return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

namespace {

// The stored picture as libheif takes it, given the orientation it is
// written with.
heif_image* heifImageOf(const QImage& stored) {
    const QImage pixels = stored.convertToFormat(QImage::Format_RGB888);
    heif_image* image = nullptr;
    heif_image_create(pixels.width(), pixels.height(), heif_colorspace_RGB,
                      heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, pixels.width(), pixels.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, pixels.constScanLine(y),
                    size_t(pixels.width()) * 3);
    return image;
}

// The primary picture and, when thumbnail is not null, its thumbnail, which
// libheif scales down to thumbnailSide.
bool encodeHeic(heif_context* context, heif_encoder* encoder, const QImage& stored,
                const QImage& thumbnail, int thumbnailSide, int orientation) {
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(orientation);
    heif_image* image = heifImageOf(stored);
    heif_image_handle* primary = nullptr;
    bool encoded =
        heif_context_encode_image(context, image, encoder, options, &primary).code == heif_error_Ok;
    heif_image_release(image);
    if (encoded && !thumbnail.isNull()) {
        heif_image* small = heifImageOf(thumbnail);
        heif_image_handle* handle = nullptr;
        encoded = heif_context_encode_thumbnail(context, small, primary, encoder, options,
                                                thumbnailSide, &handle)
                          .code == heif_error_Ok &&
                  handle;
        heif_image_handle_release(handle);
        heif_image_release(small);
    }
    heif_image_handle_release(primary);
    heif_encoding_options_free(options);
    return encoded;
}

} // namespace

bool writeTestHeic(const QString& hostPath, const QSize& uprightSize,
                   const TestHeicOptions& options) {
    const int turn = options.heifOrientation != 1 ? options.heifOrientation
                                                  : options.exifOrientation.value_or(1);
    QImage stored = storedPicture(testPicture(uprightSize), turn);
    if (options.noise)
        addNoise(stored);
    // Drawn at twice the size, so that libheif makes a thumbnail of it.
    const QSize& small = options.thumbnail;
    const QImage thumbnail =
        small.isValid() ? storedPicture(testPicture(small * 2, TestPalette::Thumbnail), turn)
                        : QImage();
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    bool written = false;
    if (encoder) {
        heif_encoder_set_lossy_quality(encoder, 60);
        written = encodeHeic(context, encoder, stored, thumbnail,
                             std::max(small.width(), small.height()), options.heifOrientation);
        heif_image_handle* primary = nullptr;
        if (written && options.exifOrientation &&
            heif_context_get_primary_image_handle(context, &primary).code == heif_error_Ok) {
            const QByteArray exif = exifPayload(options.exifOrientation, {});
            written =
                heif_context_add_exif_metadata(context, primary, exif.constData(), int(exif.size()))
                    .code == heif_error_Ok;
            heif_image_handle_release(primary);
        }
        written =
            written &&
            heif_context_write_to_file(context, QFile::encodeName(hostPath).constData()).code ==
                heif_error_Ok;
        heif_encoder_release(encoder);
    }
    heif_context_free(context);
    return written;
}

bool writeTruncatedCopy(const QString& sourcePath, const QString& targetPath, qint64 length) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = source.read(length);
    QFile target(targetPath);
    return target.open(QIODevice::WriteOnly) && target.write(head) == head.size();
}

double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 255.0;
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto* one = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* other = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            sum += std::abs(qRed(one[x]) - qRed(other[x])) +
                   std::abs(qGreen(one[x]) - qGreen(other[x])) +
                   std::abs(qBlue(one[x]) - qBlue(other[x]));
        }
    }
    return double(sum) / (3.0 * first.width() * first.height());
}
