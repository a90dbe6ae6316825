// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/heif_photo.h"

#include "core/imaging/heif_item_locations.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/quick_hevc_decoder.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <libexif/exif-data.h>
#include <libheif/heif.h>

namespace {

// The box that describes the items and their properties stays far below
// this in any camera's file.
constexpr qint64 MaxMetaBoxBytes = 4 * 1024 * 1024;

// An EXIF block is at most 64 KB in a JPEG; a HEIF may hold more, but not
// for its orientation.
constexpr size_t MaxExifBytes = 1024 * 1024;

const QByteArrayList HeifBrands = {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"};

// Only the primary picture's first bytes are handed to libheif on opening:
// it reads the whole item then, which is most of the file, and the picture
// itself is decoded from a context of its own.
constexpr quint64 OpeningPrimaryBytes = 4096;

} // namespace

// The open file as libheif reads it, with the 'meta' box served from memory
// when it is given: only the boxes libheif asks for are read.
struct HeifFileView {
    QFile& file;
    qint64 metaPosition = 0;
    QByteArray meta;
    qint64 position = 0;
};

namespace {

HeifFileView& viewOf(void* userdata) {
    return *static_cast<HeifFileView*>(userdata);
}

int readView(void* data, size_t size, void* userdata) {
    HeifFileView& view = viewOf(userdata);
    auto* target = static_cast<char*>(data);
    qint64 left = qint64(size);
    while (left > 0) {
        const qint64 inMeta = view.position - view.metaPosition;
        qint64 piece = 0;
        if (inMeta >= 0 && inMeta < view.meta.size()) {
            piece = std::min(left, view.meta.size() - inMeta);
            std::memcpy(target, view.meta.constData() + inMeta, size_t(piece));
        } else {
            piece = view.position < view.metaPosition && !view.meta.isEmpty()
                        ? std::min(left, view.metaPosition - view.position)
                        : left;
            if (!view.file.seek(view.position) || view.file.read(target, piece) != piece)
                return 1;
        }
        target += piece;
        left -= piece;
        view.position += piece;
    }
    return 0;
}

const heif_reader ViewReader = {
    1,
    [](void* userdata) -> int64_t { return viewOf(userdata).position; },
    readView,
    [](int64_t position, void* userdata) -> int {
        HeifFileView& view = viewOf(userdata);
        if (position < 0 || position > view.file.size())
            return 1;
        view.position = position;
        return 0;
    },
    [](int64_t size, void* userdata) {
        return size > viewOf(userdata).file.size() ? heif_reader_grow_status_size_beyond_eof
                                                   : heif_reader_grow_status_size_reached;
    },
};

struct Box {
    QByteArray type;
    qsizetype bodyStart = 0;
    qsizetype end = 0;
};

// The box starting at position of bytes[0, limit); nullopt when none fits.
std::optional<Box> boxAt(const QByteArray& bytes, qsizetype position, qsizetype limit) {
    if (position + 8 > limit)
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData()) + position;
    quint64 size = qFromBigEndian<quint32>(data);
    qsizetype header = 8;
    if (size == 1) {
        if (position + 16 > limit)
            return std::nullopt;
        size = qFromBigEndian<quint64>(data + 8);
        header = 16;
    } else if (size == 0) {
        size = quint64(limit - position);
    }
    if (size < quint64(header) || size > quint64(limit - position))
        return std::nullopt;
    return Box{bytes.mid(position + 4, 4), position + header, position + qsizetype(size)};
}

template <typename Visit>
void forEachBox(const QByteArray& bytes, qsizetype from, qsizetype to, Visit visit) {
    while (const std::optional<Box> box = boxAt(bytes, from, to)) {
        visit(*box);
        from = box->end;
    }
}

// The whole 'meta' box of the file and where it starts, found box by box
// from the file's start.
std::pair<qint64, QByteArray> metaBoxOf(QFile& file) {
    qint64 position = 0;
    while (file.seek(position)) {
        const QByteArray header = file.read(16);
        if (header.size() < 8)
            return {};
        quint64 size = qFromBigEndian<quint32>(header.constData());
        if (size == 1 && header.size() == 16)
            size = qFromBigEndian<quint64>(header.constData() + 8);
        if (size < 8 || size > quint64(file.size() - position))
            return {};
        if (header.mid(4, 4) == "meta")
            return qint64(size) <= MaxMetaBoxBytes && file.seek(position)
                       ? std::pair(position, file.read(qint64(size)))
                       : std::pair<qint64, QByteArray>();
        position += qint64(size);
    }
    return {};
}

// True when the file's item properties rotate or mirror a picture, which
// libheif then applies as it decodes.
bool turnsItself(const QByteArray& meta) {
    bool turns = false;
    const std::optional<Box> top = boxAt(meta, 0, meta.size());
    if (!top)
        return false;
    // 'meta' is a full box: a version and flags come before its children.
    forEachBox(meta, top->bodyStart + 4, top->end, [&](const Box& properties) {
        if (properties.type != "iprp")
            return;
        forEachBox(meta, properties.bodyStart, properties.end, [&](const Box& container) {
            if (container.type != "ipco")
                return;
            forEachBox(meta, container.bodyStart, container.end, [&](const Box& property) {
                if (property.type == "imir" ||
                    (property.type == "irot" && property.bodyStart < property.end &&
                     (meta.at(property.bodyStart) & 3) != 0))
                    turns = true;
            });
        });
    });
    return turns;
}

// The Orientation of an EXIF block as HEIF stores it: a four-byte offset to
// the TIFF header, then the block.
int exifOrientationOf(QByteArray block) {
    if (block.size() < 4)
        return 0;
    const quint32 offset = qFromBigEndian<quint32>(block.constData());
    if (offset > quint32(block.size() - 4))
        return 0;
    const QByteArray exif = QByteArray("Exif\0\0", 6) + block.mid(4 + offset);
    ExifData* data =
        exif_data_new_from_data(reinterpret_cast<const unsigned char*>(exif.constData()),
                                static_cast<unsigned int>(exif.size()));
    if (!data)
        return 0;
    int orientation = 0;
    if (ExifEntry* entry = exif_data_get_entry(data, EXIF_TAG_ORIENTATION);
        entry && entry->format == EXIF_FORMAT_SHORT && entry->size >= 2)
        orientation = exif_get_short(entry->data, exif_data_get_byte_order(data));
    exif_data_unref(data);
    return orientation;
}

int exifOrientationOf(const heif_image_handle* handle) {
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) < 1)
        return 0;
    const size_t size = heif_image_handle_get_metadata_size(handle, id);
    if (size > MaxExifBytes)
        return 0;
    QByteArray block(qsizetype(size), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle, id, block.data()).code != heif_error_Ok)
        return 0;
    return exifOrientationOf(block);
}

void releaseImage(void* image) {
    heif_image_release(static_cast<heif_image*>(image));
}

} // namespace

bool looksLikeHeif(const QByteArray& head) {
    if (head.size() < 12 || head.mid(4, 4) != "ftyp")
        return false;
    const qsizetype end =
        std::min<qsizetype>(head.size(), qFromBigEndian<quint32>(head.constData()));
    for (qsizetype brand = 8; brand + 4 <= end; brand += 4) {
        if (brand != 12 && HeifBrands.contains(head.mid(brand, 4)))
            return true;
    }
    return false;
}

HeifPhoto::HeifPhoto(QFile& file)
    : m_file(file), m_context(heif_context_alloc(), heif_context_free),
      m_primary(nullptr, heif_image_handle_release),
      m_thumbnail(nullptr, heif_image_handle_release) {
    // Once, before any thread decodes: libheif registers its decoders then.
    static const bool initialised =
        heif_init(nullptr).code == heif_error_Ok && registerQuickHevcDecoder();
    const auto [metaPosition, meta] = metaBoxOf(file);
    const bool ownTurns = turnsItself(meta);
    // libheif reads the thumbnail's data through the view later.
    m_view = std::make_unique<HeifFileView>(file, metaPosition,
                                            withShortPrimaryData(meta, OpeningPrimaryBytes), 0);
    if (!initialised || !m_context ||
        heif_context_read_from_reader(m_context.get(), &ViewReader, m_view.get(), nullptr).code !=
            heif_error_Ok)
        return;
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(m_context.get(), &primary).code != heif_error_Ok)
        return;
    m_primary.reset(primary);
    if (!ownTurns)
        m_exifOrientation = orientationOfExifValue(exifOrientationOf(primary));
    const QSize turned(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    if (!turned.isEmpty())
        m_uprightSize = uprightOf(turned, m_exifOrientation);
    heif_item_id thumbnail = 0;
    heif_image_handle* handle = nullptr;
    if (heif_image_handle_get_list_of_thumbnail_IDs(primary, &thumbnail, 1) == 1 &&
        heif_image_handle_get_thumbnail(primary, thumbnail, &handle).code == heif_error_Ok)
        m_thumbnail.reset(handle);
}

HeifPhoto::~HeifPhoto() = default;

QImage HeifPhoto::decodeUpright(heif_image_handle* handle) const {
    heif_image* decoded = nullptr;
    if (heif_decode_image(handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                          nullptr)
            .code != heif_error_Ok)
        return {};
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0) {
        heif_image_release(decoded);
        return {};
    }
    // The image keeps libheif's pixels until it lets them go.
    const QImage image(pixels, width, height, stride, QImage::Format_RGB888, releaseImage, decoded);
    return applyOrientation(image.convertToFormat(QImage::Format_RGB32), m_exifOrientation);
}

QImage HeifPhoto::whole() const {
    if (m_uprightSize.isEmpty() ||
        qint64(m_uprightSize.width()) * m_uprightSize.height() > MaxPhotoPixels)
        return {};
    const std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(),
                                                                         heif_context_free);
    HeifFileView view{m_file, 0, {}, 0};
    heif_image_handle* primary = nullptr;
    if (!context ||
        heif_context_read_from_reader(context.get(), &ViewReader, &view, nullptr).code !=
            heif_error_Ok ||
        heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    const std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)> handle(
        primary, heif_image_handle_release);
    return decodeUpright(handle.get());
}

QImage HeifPhoto::embeddedThumbnail() const {
    const QuickHevcDecoding quick;
    return m_thumbnail ? decodeUpright(m_thumbnail.get()) : QImage();
}

QSize HeifPhoto::embeddedThumbnailSize() const {
    if (!m_thumbnail)
        return {};
    return uprightOf(QSize(heif_image_handle_get_width(m_thumbnail.get()),
                           heif_image_handle_get_height(m_thumbnail.get())),
                     m_exifOrientation);
}
