// SPDX-License-Identifier: GPL-3.0-or-later
#include "xwd_image.h"

#include <QHash>
#include <QtEndian>
#include <array>
#include <bit>

namespace {
enum Field {
    HeaderSize,
    FileVersion,
    PixmapFormat,
    PixmapDepth,
    PixmapWidth,
    PixmapHeight,
    XOffset,
    ByteOrder,
    BitmapUnit,
    BitmapBitOrder,
    BitmapPad,
    BitsPerPixel,
    BytesPerLine,
    VisualClass,
    RedMask,
    GreenMask,
    BlueMask,
    BitsPerRgb,
    ColormapEntries,
    ColourCount,
    FieldCount = 25
};
constexpr quint32 ZPixmap = 2;
constexpr quint32 TrueColor = 4;
constexpr quint32 DirectColor = 5;
constexpr int ColourEntrySize = 12;

// The field of pixel under mask.
quint32 field(quint32 pixel, quint32 mask) {
    return mask == 0 ? 0 : (pixel & mask) >> std::countr_zero(mask);
}

// Maps a channel's field to its 8-bit value: a plain ramp for true colour,
// the dump's colour map for direct colour.
class ChannelMap {
public:
    ChannelMap(quint32 mask, const QByteArray& dump, qint64 mapStart, int entries, int offset,
               bool direct)
        : m_mask(mask), m_maximum(field(mask, mask)) {
        if (!direct)
            return;
        // Entry: pixel (4 bytes), red, green, blue (2 bytes each), flags, pad.
        for (int i = 0; i < entries; ++i) {
            const char* entry = dump.constData() + mapStart + qint64(i) * ColourEntrySize;
            const quint32 index = field(qFromBigEndian<quint32>(entry), mask);
            m_map[index] = qFromBigEndian<quint16>(entry + offset) >> 8;
        }
    }
    int value(quint32 pixel) const {
        const quint32 index = field(pixel, m_mask);
        if (const auto found = m_map.constFind(index); found != m_map.constEnd())
            return found.value();
        return m_maximum == 0 ? 0 : int(index * 255 / m_maximum);
    }

private:
    quint32 m_mask;
    quint32 m_maximum;
    QHash<quint32, int> m_map;
};
} // namespace

QImage imageFromXwd(const QByteArray& dump) {
    if (dump.size() < FieldCount * 4)
        return {};
    // xwd writes its header most significant byte first.
    std::array<quint32, FieldCount> header{};
    for (int i = 0; i < FieldCount; ++i)
        header[i] = qFromBigEndian<quint32>(dump.constData() + 4 * i);
    const quint32 bitsPerPixel = header[BitsPerPixel];
    if (header[FileVersion] != 7 || header[PixmapFormat] != ZPixmap ||
        (header[VisualClass] != TrueColor && header[VisualClass] != DirectColor) ||
        (bitsPerPixel != 32 && bitsPerPixel != 24))
        return {};
    const int width = int(header[PixmapWidth]);
    const int height = int(header[PixmapHeight]);
    const qint64 lineBytes = header[BytesPerLine];
    const qint64 mapStart = header[HeaderSize];
    const int entries = int(header[ColourCount]);
    const qint64 start = mapStart + qint64(entries) * ColourEntrySize;
    if (width <= 0 || height <= 0 || lineBytes < qint64(width) * bitsPerPixel / 8 ||
        start + lineBytes * height > dump.size())
        return {};

    const bool direct = header[VisualClass] == DirectColor;
    const ChannelMap red(header[RedMask], dump, mapStart, entries, 4, direct);
    const ChannelMap green(header[GreenMask], dump, mapStart, entries, 6, direct);
    const ChannelMap blue(header[BlueMask], dump, mapStart, entries, 8, direct);

    QImage image(width, height, QImage::Format_RGB32);
    const int bytesPerPixel = int(bitsPerPixel / 8);
    const bool lsbFirst = header[ByteOrder] == 0;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const uchar*>(dump.constData() + start + lineBytes * y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const uchar* bytes = line + x * bytesPerPixel;
            quint32 pixel = 0;
            for (int b = 0; b < bytesPerPixel; ++b) {
                const int shift = lsbFirst ? 8 * b : 8 * (bytesPerPixel - 1 - b);
                pixel |= quint32(bytes[b]) << shift;
            }
            out[x] = qRgb(red.value(pixel), green.value(pixel), blue.value(pixel));
        }
    }
    return image;
}
