// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_decoder.h"
#include "core/imaging/photo_reader.h"
#include "support/test_photos.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct HeicCase {
    const char* name;
    TestHeicOptions options;
};

class HeicPhoto : public ::testing::TestWithParam<HeicCase> {
protected:
    QTemporaryDir dir;
};

// Every decode shows the picture upright and in its own proportions, the
// turn applied once however the file states it.
TEST_P(HeicPhoto, IsUprightInEveryDecode) {
    const QSize upright(320, 240);
    const QString file = dir.filePath(QStringLiteral("IMG_0001.HEIC"));
    ASSERT_TRUE(writeTestHeic(file, upright, GetParam().options));

    EXPECT_EQ(readPhotoSize(file), upright);
    const QImage whole = decodePhoto(file);
    EXPECT_EQ(whole.size(), upright);
    EXPECT_TRUE(showsTestPicture(whole));

    PhotoReader reader(file);
    const QImage reduced = reader.reduced(QSize(64, 48));
    EXPECT_EQ(reduced.size(), QSize(64, 48));
    EXPECT_TRUE(showsTestPicture(reduced));
    const QImage embedded = reader.exifThumbnailScaled(QSize(64, 48));
    if (GetParam().options.thumbnail.isValid()) {
        EXPECT_EQ(embedded.size(), QSize(64, 48));
        EXPECT_TRUE(showsTestPicture(embedded, TestPalette::Thumbnail));
        EXPECT_TRUE(showsTestPicture(decodePhotoScaled(file, {64, 48}), TestPalette::Thumbnail));
    } else {
        EXPECT_TRUE(embedded.isNull());
        EXPECT_TRUE(showsTestPicture(decodePhotoScaled(file, {64, 48})));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, HeicPhoto,
    ::testing::Values(HeicCase{"Plain", {}}, HeicCase{"Thumbnail", {.thumbnail = {96, 72}}},
                      HeicCase{"ExifTurn", {.exifOrientation = 6}},
                      HeicCase{"ExifMirror", {.exifOrientation = 7, .thumbnail = {96, 72}}},
                      HeicCase{"HeifTurn", {.heifOrientation = 8, .thumbnail = {96, 72}}},
                      HeicCase{"HeifHalfTurn", {.heifOrientation = 3}},
                      // Picture data longer than what is read on opening.
                      HeicCase{"NoisyWithThumbnail",
                               {.exifOrientation = 6, .thumbnail = {96, 72}, .noise = true}},
                      // Tablets state the turn twice, by the file and by EXIF.
                      HeicCase{"BothTurns",
                               {.exifOrientation = 6, .heifOrientation = 6, .thumbnail = {96, 72}}},
                      HeicCase{"BothHalfTurns", {.exifOrientation = 3, .heifOrientation = 3}}),
    [](const auto& info) { return std::string(info.param.name); });

// A HEIC that breaks off is as undecodable as a broken JPEG: no picture (its
// thumbnail may still be whole), no size once the description is cut, and
// no crash.
TEST(HeicPhotoDamaged, GivesNothingAtEveryLength) {
    QTemporaryDir dir;
    const QString whole = dir.filePath(QStringLiteral("whole.HEIC"));
    ASSERT_TRUE(writeTestHeic(whole, {320, 240}, {.thumbnail = {96, 72}}));
    const QString cut = dir.filePath(QStringLiteral("cut.HEIC"));
    const qint64 size = QFileInfo(whole).size();
    for (qint64 length : {qint64(12), qint64(100), size / 2, size - 10}) {
        ASSERT_TRUE(writeTruncatedCopy(whole, cut, length));
        PhotoReader reader(cut);
        EXPECT_TRUE(reader.whole().isNull()) << length;
        if (length <= 100) {
            EXPECT_FALSE(reader.uprightSize().isValid()) << length;
        }
    }
}

} // namespace
