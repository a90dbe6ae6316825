// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/heif_item_locations.h"

#include <QtEndian>
#include <optional>

namespace {

// Reads big-endian fields of up to 8 bytes within [position, end).
class FieldReader {
public:
    FieldReader(const QByteArray& bytes, qsizetype position, qsizetype end)
        : m_bytes(bytes), m_position(position), m_end(end) {}

    qsizetype position() const { return m_position; }

    std::optional<quint64> take(int size) {
        if (size < 0 || size > 8 || m_end - m_position < size)
            return std::nullopt;
        quint64 value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | quint8(m_bytes.at(m_position + i));
        m_position += size;
        return value;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_position;
    qsizetype m_end;
};

struct Child {
    QByteArray type;
    qsizetype body = 0;
    qsizetype end = 0;
};

// The first child box of that type in a box body [from, to), each box on
// the way checked to lie inside it.
std::optional<Child> childOfType(const QByteArray& bytes, qsizetype from, qsizetype to,
                                 const char* type) {
    while (to - from >= 8) {
        const quint64 size =
            qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData()) + from);
        // Boxes inside 'meta' are never larger than 4 GB nor run to the end.
        if (size < 8 || size > quint64(to - from))
            return std::nullopt;
        if (bytes.mid(from + 4, 4) == type)
            return Child{bytes.mid(from + 4, 4), from + 8, from + qsizetype(size)};
        from += qsizetype(size);
    }
    return std::nullopt;
}

std::optional<quint64> primaryItemOf(const QByteArray& meta, const Child& pitm) {
    FieldReader fields(meta, pitm.body, pitm.end);
    const std::optional<quint64> version = fields.take(1);
    if (!version || !fields.take(3))
        return std::nullopt;
    return fields.take(*version == 0 ? 2 : 4);
}

// Cuts the primary item's long extents in the 'iloc' box in place; false when
// the box cannot be read to its end.
bool cutPrimaryExtents(QByteArray& meta, const Child& iloc, quint64 primary, quint64 keepBytes) {
    FieldReader fields(meta, iloc.body, iloc.end);
    const std::optional<quint64> version = fields.take(1);
    const std::optional<quint64> flags = fields.take(3);
    const std::optional<quint64> sizes = fields.take(2);
    if (!version || *version > 2 || !flags || !sizes)
        return false;
    const int offsetSize = int(*sizes >> 12 & 15);
    const int lengthSize = int(*sizes >> 8 & 15);
    const int baseOffsetSize = int(*sizes >> 4 & 15);
    const int indexSize = *version == 0 ? 0 : int(*sizes & 15);
    for (const int size : {offsetSize, lengthSize, baseOffsetSize, indexSize}) {
        if (size != 0 && size != 4 && size != 8)
            return false;
    }
    const std::optional<quint64> itemCount = fields.take(*version < 2 ? 2 : 4);
    if (!itemCount)
        return false;
    for (quint64 item = 0; item < *itemCount; ++item) {
        const std::optional<quint64> id = fields.take(*version < 2 ? 2 : 4);
        if (!id || (*version > 0 && !fields.take(2)) || !fields.take(2) ||
            !fields.take(baseOffsetSize))
            return false;
        const std::optional<quint64> extentCount = fields.take(2);
        if (!extentCount)
            return false;
        for (quint64 extent = 0; extent < *extentCount; ++extent) {
            if (!fields.take(indexSize) || !fields.take(offsetSize))
                return false;
            const qsizetype lengthAt = fields.position();
            const std::optional<quint64> length = fields.take(lengthSize);
            if (!length)
                return false;
            // A length of 0 means "to the end of the file"; it has no room to
            // say less, so it stays.
            if (*id == primary && lengthSize > 0 && *length > keepBytes) {
                for (int i = 0; i < lengthSize; ++i)
                    meta[lengthAt + i] = char(keepBytes >> (8 * (lengthSize - 1 - i)) & 0xff);
            }
        }
    }
    return true;
}

} // namespace

QByteArray withShortPrimaryData(const QByteArray& meta, quint64 keepBytes) {
    // 'meta' is a full box: its children start after a version and flags.
    if (meta.size() < 12 || meta.mid(4, 4) != "meta" ||
        qFromBigEndian<quint32>(meta.constData()) != quint32(meta.size()))
        return meta;
    const std::optional<Child> pitm = childOfType(meta, 12, meta.size(), "pitm");
    const std::optional<Child> iloc = childOfType(meta, 12, meta.size(), "iloc");
    const std::optional<quint64> primary = pitm ? primaryItemOf(meta, *pitm) : std::nullopt;
    if (!primary || !iloc)
        return meta;
    QByteArray cut = meta;
    return cutPrimaryExtents(cut, *iloc, *primary, keepBytes) ? cut : meta;
}
