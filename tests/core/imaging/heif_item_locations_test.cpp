// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/heif_item_locations.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray bigEndian(quint64 value, int size) {
    const quint64 big = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&big) + 8 - size, size);
}

QByteArray box(const char* type, const QByteArray& body) {
    return bigEndian(quint64(body.size()) + 8, 4) + type + body;
}

struct Layout {
    int version = 0, lengthSize = 4, indexSize = 0;
    quint64 primaryLength = 5'000'000;
};

// A 'meta' box whose primary item 1 and thumbnail item 2 lie in the file.
QByteArray metaOf(const Layout& layout) {
    const int idSize = layout.version < 2 ? 2 : 4;
    QByteArray iloc = bigEndian(quint64(layout.version) << 24, 4) + char(0x40 | layout.lengthSize) +
                      char(0x40 | layout.indexSize) + bigEndian(2, idSize);
    for (const auto& [id, length] : {std::pair{1, layout.primaryLength}, {2, quint64(40'000)}}) {
        iloc += bigEndian(id, idSize) + bigEndian(0, layout.version > 0 ? 2 : 0);
        iloc += bigEndian(0, 2) + bigEndian(0, 4) + bigEndian(1, 2);
        iloc += bigEndian(0, layout.indexSize) + bigEndian(1000 * id, 4);
        iloc += bigEndian(length, layout.lengthSize);
    }
    const QByteArray pitm = box("pitm", bigEndian(0, 4) + bigEndian(1, 2));
    return box("meta", bigEndian(0, 4) + box("hdlr", QByteArray(24, 0)) + pitm + box("iloc", iloc));
}

TEST(HeifItemLocations, CutsOnlyThePrimaryLongExtents) {
    const std::tuple<const char*, Layout, quint64> cases[] = {
        {"version 0", {}, 4096},
        {"version 1 with indexes", {.version = 1, .indexSize = 4}, 4096},
        {"version 2, 8-byte lengths", {.version = 2, .lengthSize = 8}, 4096},
        {"already short", {.primaryLength = 300}, 300},
        {"no length: to the end of the file", {.lengthSize = 0}, 0},
    };
    for (const auto& [name, layout, cutLength] : cases) {
        Layout expected = layout;
        expected.primaryLength = cutLength;
        EXPECT_EQ(withShortPrimaryData(metaOf(layout), 4096).toHex(), metaOf(expected).toHex())
            << name;
    }
}

// Cut off anywhere, or any byte 0x00 or 0xff: the copy keeps the box's size
// and writes inside the 'iloc' box only.
TEST(HeifItemLocations, SurvivesDamagedBoxes) {
    const QByteArray meta = metaOf({});
    const qsizetype ilocBody = meta.indexOf("iloc") + 4;
    for (qsizetype length = 0; length <= meta.size(); ++length)
        EXPECT_EQ(withShortPrimaryData(meta.left(length), 16).size(), length);
    for (qsizetype at = 0; at < meta.size(); ++at) {
        for (const char odd : {'\x00', '\xff'}) {
            QByteArray damaged = meta;
            damaged[at] = odd;
            const QByteArray result = withShortPrimaryData(damaged, 16);
            EXPECT_EQ(result.size(), damaged.size()) << at;
            EXPECT_EQ(result.left(ilocBody), damaged.left(ilocBody)) << at;
        }
    }
}

} // namespace
