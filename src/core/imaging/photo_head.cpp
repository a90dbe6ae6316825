// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_head.h"

#include <QFile>
#include <fcntl.h>

namespace {

// A camera's EXIF block with its thumbnail fits in one read of this size.
constexpr qint64 FirstReadBytes = 24 * 1024;

constexpr unsigned char MarkerPrefix = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char StartOfScan = 0xDA;

bool standsAlone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

unsigned char byteAt(const QByteArray& bytes, qint64 index) {
    return static_cast<unsigned char>(bytes.at(index));
}

// Makes head at least size bytes long, reading on from where it ends.
bool extend(QFile& file, QByteArray& head, qint64 size) {
    if (size > MaxJpegHeadBytes)
        return false;
    while (head.size() < size) {
        const QByteArray more = file.read(std::max(size - head.size(), FirstReadBytes));
        if (more.isEmpty())
            return false;
        head += more;
    }
    return true;
}

} // namespace

QByteArray readJpegHead(QFile& file) {
    // Only the bytes asked for cross the network; a whole read of the
    // picture later asks for read-ahead again.
    if (file.handle() >= 0)
        ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_RANDOM);
    QByteArray head = file.read(FirstReadBytes);
    if (head.size() < 2 || byteAt(head, 0) != MarkerPrefix || byteAt(head, 1) != StartOfImage)
        return head;
    qint64 position = 2;
    while (extend(file, head, position + 4)) {
        if (byteAt(head, position) != MarkerPrefix)
            break;
        const unsigned char marker = byteAt(head, position + 1);
        if (marker == MarkerPrefix) { // fill byte
            ++position;
            continue;
        }
        if (standsAlone(marker)) {
            position += 2;
            continue;
        }
        const qint64 end =
            position + 2 + (qint64(byteAt(head, position + 2)) << 8 | byteAt(head, position + 3));
        if (!extend(file, head, end) || marker == StartOfScan)
            break;
        position = end;
    }
    return head;
}
