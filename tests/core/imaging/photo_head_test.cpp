// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/exif_thumbnail.h"
#include "core/imaging/photo_head.h"
#include "support/test_photos.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QSize sizeReadFrom(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").size();
}

// The head holds everything a header read and the camera's thumbnail need,
// and little of the picture behind it, whether the EXIF block fits the first
// read or runs far past it.
TEST(JpegHead, HoldsTheHeaderAndTheCameraThumbnailAndLittleOfThePicture) {
    QTemporaryDir dir;
    const QSize photoSize(2000, 1500);
    // The thumbnail's bytes are taken as they are stored, JPEG or not.
    for (const int thumbnailBytes : {0, 8'000, 50'000}) {
        SCOPED_TRACE(thumbnailBytes);
        const QByteArray thumbnail(thumbnailBytes, 'T');
        const QString path = dir.filePath(QStringLiteral("p%1.jpg").arg(thumbnailBytes));
        ASSERT_TRUE(
            writeTestJpeg(path, photoSize, {.exifThumbnailData = thumbnail, .noise = true}));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));

        const QByteArray head = readJpegHead(file);
        EXPECT_EQ(sizeReadFrom(head), photoSize);
        EXPECT_EQ(exifThumbnailDataIn(head), thumbnail);
        // The first scan begins within a quarter of the file; one more read
        // of a few tens of kilobytes may follow it.
        EXPECT_LT(head.size(), thumbnail.size() + 64 * 1024);
        EXPECT_LT(head.size(), file.size() / 4);
    }
}

// Each is shorter than one read.
TEST(JpegHead, FilesThatAreNoJpegOrEndEarlyGiveWhatTheyHold) {
    QTemporaryDir dir;
    QByteArray whole;
    {
        const QString path = dir.filePath(QStringLiteral("whole.jpg"));
        ASSERT_TRUE(writeTestJpeg(path, QSize(64, 48)));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        whole = file.readAll();
    }
    const QByteArray segmentPastTheEnd = whole.left(2) + QByteArray::fromHex("ffe1ffff") + "Exif";
    for (const QByteArray& bytes : {QByteArray("not a photo"), QByteArray(), segmentPastTheEnd,
                                    whole.left(whole.size() / 2)}) {
        const QString path = dir.filePath(QStringLiteral("odd.jpg"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(readJpegHead(file), bytes);
    }
}

} // namespace
