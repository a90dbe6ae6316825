// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_link.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray patterned(qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i * 7 % 251);
    return bytes;
}

class PhotoLinkTest : public ::testing::Test {
protected:
    int openFile(const QByteArray& bytes) {
        QFile file(dir.filePath(QStringLiteral("photo")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const int descriptor = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY);
        EXPECT_GE(descriptor, 0);
        return descriptor;
    }

    QTemporaryDir dir;
};

// A held limit of one byte makes the link wait for the decoder at every
// chunk; the bytes must still come whole and in order.
TEST_F(PhotoLinkTest, GivesTheFileWholeWhateverItsSizeAndLimit) {
    const struct {
        qint64 size, frontBytes, heldLimit;
    } cases[] = {{0, 0, 1},
                 {10, 0, 1},
                 {10, 10, 1},
                 {5000, 300, 1},
                 {3 * 256 * 1024 + 17, 24 * 1024, 1},
                 {3 * 256 * 1024 + 17, 0, 64LL << 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " bytes, front " << c.frontBytes);
        const QByteArray bytes = patterned(c.size);
        PhotoLink link(c.heldLimit);
        const int descriptor = openFile(bytes);
        const auto device = link.stream(descriptor, bytes.left(c.frontBytes), c.size);
        ::close(descriptor);
        EXPECT_EQ(device->readAll(), bytes);
    }
}

// A file cut short after it was checked ends the stream; and a device given
// up halfway frees what it held, so the next photo still comes.
TEST_F(PhotoLinkTest, NeitherACutFileNorAnAbandonedOneStopsTheLink) {
    const QByteArray bytes = patterned(1024 * 1024);
    PhotoLink link(300 * 1024);
    const int descriptor = openFile(bytes);
    auto first = link.stream(descriptor, {}, bytes.size());
    EXPECT_EQ(first->read(1000), bytes.left(1000));
    first.reset();
    const auto cut = link.stream(descriptor, {}, 4 * bytes.size());
    ::close(descriptor);
    EXPECT_EQ(cut->readAll(), bytes);
    EXPECT_TRUE(link.waitForDone(10000));
}

} // namespace
