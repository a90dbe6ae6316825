// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_decoder.h"
#include "core/imaging/photo_reader.h"
#include "support/test_data.h"
#include "support/test_photos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Mean difference (0..255) below which two decodes show the same picture; a
// wrongly turned or mirrored photo lies far above it.
constexpr double kSamePicture = 12.0;

class PhotoDecoderTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QString writePhoto(const QString& name, const QSize& size,
                       const TestJpegOptions& options = {}) {
        const QString file = path(name);
        EXPECT_TRUE(writeTestJpeg(file, size, options));
        return file;
    }

    QTemporaryDir dir;
};

// --- Orientation -----------------------------------------------------------

class SelfMadeOrientation : public PhotoDecoderTest, public ::testing::WithParamInterface<int> {};

TEST_P(SelfMadeOrientation, PhotoIsUprightInEveryDecode) {
    const int orientation = GetParam();
    const QSize upright(96, 64);
    const QString file =
        writePhoto(QStringLiteral("o.jpg"), upright, {.orientation = quint16(orientation)});

    const bool storedSideways = orientation >= 5 && orientation <= 8;
    EXPECT_EQ(QImageReader(file).size(), storedSideways ? upright.transposed() : upright);

    EXPECT_EQ(readPhotoSize(file), upright);
    const QImage whole = decodePhoto(file);
    EXPECT_EQ(whole.size(), upright);
    EXPECT_TRUE(showsTestPicture(whole));
    const QImage scaled = decodePhotoScaled(file, QSize(48, 32));
    EXPECT_EQ(scaled.size(), QSize(48, 32));
    EXPECT_TRUE(showsTestPicture(scaled));
}

// 0, 9 and 36865 are no orientation and count as 1.
INSTANTIATE_TEST_SUITE_P(AllTagValues, SelfMadeOrientation,
                         ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 36865));

TEST_F(PhotoDecoderTest, PhotoWithoutExifIsReadAsStored) {
    const QString file = writePhoto(QStringLiteral("plain.JPG"), QSize(40, 60));
    EXPECT_EQ(readPhotoSize(file), QSize(40, 60));
    EXPECT_TRUE(showsTestPicture(decodePhoto(file)));
    EXPECT_TRUE(showsTestPicture(decodePhotoScaled(file, QSize(130, 195))));
    EXPECT_TRUE(PhotoReader(file).exifThumbnailScaled(QSize(2, 3)).isNull());
}

TEST(PhotoDecoderRealFiles, OrientedCameraFilesAreUpright) {
    REQUIRE_SHARED_TESTDATA();
    for (const QString& shape : {QStringLiteral("Landscape"), QStringLiteral("Portrait")}) {
        const bool landscape = shape == QLatin1String("Landscape");
        const QSize upright = landscape ? QSize(1800, 1200) : QSize(1200, 1800);
        const QSize box = landscape ? QSize(72, 48) : QSize(48, 72);
        const QImage reference = decodePhotoScaled(
            sharedTestData(QStringLiteral("jpeg/orientation/%1_1.jpg").arg(shape)), box);
        ASSERT_EQ(reference.size(), box);
        ASSERT_GT(meanDifference(reference.mirrored(true, false), reference), kSamePicture);
        ASSERT_GT(meanDifference(reference.mirrored(false, true), reference), kSamePicture);

        for (int orientation = 0; orientation <= 8; ++orientation) {
            SCOPED_TRACE(qPrintable(QStringLiteral("%1_%2").arg(shape).arg(orientation)));
            const QString file = sharedTestData(
                QStringLiteral("jpeg/orientation/%1_%2.jpg").arg(shape).arg(orientation));
            EXPECT_EQ(readPhotoSize(file), upright);
            EXPECT_LT(meanDifference(decodePhotoScaled(file, box), reference), kSamePicture);
            const QImage whole = decodePhoto(file);
            EXPECT_EQ(whole.size(), upright);
            EXPECT_LT(
                meanDifference(whole.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                               reference),
                kSamePicture);
        }
    }
}

TEST(PhotoDecoderRealFiles, SquareOrientationsMatchTheUntaggedPicture) {
    REQUIRE_SHARED_TESTDATA();
    const QImage reference =
        decodePhoto(sharedTestData(QStringLiteral("jpeg/orientation/hopper.jpg")));
    ASSERT_EQ(reference.size(), QSize(128, 128));
    for (int orientation = 2; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QString file = sharedTestData(
            QStringLiteral("jpeg/orientation/hopper_orientation_%1.jpg").arg(orientation));
        QImageReader stored(file);
        ASSERT_GT(meanDifference(stored.read(), reference), kSamePicture);
        EXPECT_LT(meanDifference(decodePhoto(file), reference), kSamePicture);
        EXPECT_LT(meanDifference(
                      decodePhotoScaled(file, QSize(64, 64)),
                      reference.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                  kSamePicture);
    }
}

TEST(PhotoDecoderRealFiles, DeviceFilesReportUprightSizes) {
    REQUIRE_SHARED_TESTDATA();
    const struct {
        const char* file;
        QSize upright;
    } cases[] = {
        {"orientation/orientation_rectangle.jpg", {1, 2}},
        {"orientation/Samsung GT-I9000 (Galaxy S).jpg", {480, 640}},
        {"orientation/Pentax.jpg", {8, 8}},
        {"real/exiv2-bug2565.jpg", {3024, 4032}},
        {"real/exiv2-nikon-d70.jpg", {91, 150}},
        {"real/empty_gps_ifd.jpg", {10, 10}},
        {"real/Kodak PIXPRO FZ201.jpg", {4608, 3456}},
        {"real/Kyocera FC-S3.jpg", {1536, 2048}},
        {"real/Olympus μ Digital 800.JPG", {1024, 768}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString file = sharedTestData(QStringLiteral("jpeg/") + QString::fromUtf8(c.file));
        EXPECT_EQ(readPhotoSize(file), c.upright);
        const QImage scaled = decodePhotoScaled(file, QSize(130, 98));
        EXPECT_EQ(scaled.size(), QSize(130, 98));
    }
}

// --- EXIF thumbnail --------------------------------------------------------

// The embedded thumbnail serves the boxes it covers, the main picture the
// others, whether or not the photo says it stands upright.
TEST_F(PhotoDecoderTest, EmbeddedThumbnailServesOnlyBoxesItCovers) {
    const QString tagged = writePhoto(QStringLiteral("tagged.jpg"), QSize(1600, 1200),
                                      {.orientation = 1, .exifThumbnail = QSize(160, 120)});
    const QString untagged = writePhoto(QStringLiteral("untagged.jpg"), QSize(1600, 1200),
                                        {.exifThumbnail = QSize(160, 120)});
    const struct {
        QSize box;
        TestPalette shown;
    } cases[] = {
        {{144, 108}, TestPalette::Thumbnail}, {{160, 120}, TestPalette::Thumbnail},
        {{130, 98}, TestPalette::Thumbnail},  {{161, 120}, TestPalette::Photo},
        {{160, 121}, TestPalette::Photo},     {{400, 300}, TestPalette::Photo},
    };
    for (const auto& c : cases) {
        for (const QString& file : {tagged, untagged}) {
            const QImage scaled = decodePhotoScaled(file, c.box);
            EXPECT_EQ(scaled.size(), c.box);
            EXPECT_TRUE(showsTestPicture(scaled, c.shown)) << c.box.width() << file.toStdString();
        }
    }
}

TEST_F(PhotoDecoderTest, ThumbnailMustHaveThePhotosProportions) {
    // A 4:3 thumbnail of a 16:9 photo is letterboxed and not used.
    const QString wide = writePhoto(QStringLiteral("wide.jpg"), QSize(1600, 900),
                                    {.exifThumbnail = QSize(160, 120)});
    EXPECT_TRUE(showsTestPicture(decodePhotoScaled(wide, QSize(144, 81)), TestPalette::Photo));

    // 160 x 107 is 3:2 rounded to whole pixels.
    const QString rounded = writePhoto(QStringLiteral("rounded.jpg"), QSize(1500, 1000),
                                       {.exifThumbnail = QSize(160, 107)});
    EXPECT_TRUE(
        showsTestPicture(decodePhotoScaled(rounded, QSize(130, 87)), TestPalette::Thumbnail));

    // The box may have other proportions than the photo: the thumbnail is
    // stretched like the photo would be.
    const QString photo = writePhoto(QStringLiteral("photo.jpg"), QSize(1600, 1200),
                                     {.exifThumbnail = QSize(160, 120)});
    EXPECT_TRUE(
        showsTestPicture(decodePhotoScaled(photo, QSize(100, 120)), TestPalette::Thumbnail));
}

class ThumbnailOrientation : public PhotoDecoderTest, public ::testing::WithParamInterface<int> {};

TEST_P(ThumbnailOrientation, EmbeddedThumbnailIsTurnedLikeThePhoto) {
    const int orientation = GetParam();
    const QString file =
        writePhoto(QStringLiteral("turned.jpg"), QSize(1200, 1600),
                   {.orientation = quint16(orientation), .exifThumbnail = QSize(120, 160)});
    // Taken at its own size only when turned upright.
    const QImage thumbnail = PhotoReader(file).exifThumbnailScaled(QSize(120, 160));
    EXPECT_EQ(thumbnail.size(), QSize(120, 160));
    EXPECT_TRUE(showsTestPicture(thumbnail, TestPalette::Thumbnail));
    const QImage scaled = decodePhotoScaled(file, QSize(90, 120));
    EXPECT_EQ(scaled.size(), QSize(90, 120));
    EXPECT_TRUE(showsTestPicture(scaled, TestPalette::Thumbnail));
}

INSTANTIATE_TEST_SUITE_P(OneToEight, ThumbnailOrientation, ::testing::Range(1, 9));

TEST_F(PhotoDecoderTest, ThumbnailThatIsNoJpegFallsBackToThePhoto) {
    const QString file =
        writePhoto(QStringLiteral("odd.jpg"), QSize(320, 240),
                   {.orientation = 1, .exifThumbnailData = QByteArray(28, '\x11')});
    EXPECT_TRUE(PhotoReader(file).exifThumbnailScaled(QSize(16, 12)).isNull());
    EXPECT_TRUE(showsTestPicture(decodePhotoScaled(file, QSize(16, 12)), TestPalette::Photo));
}

TEST(PhotoDecoderRealFiles, CameraThumbnailIsUsedAndTurnedUpright) {
    REQUIRE_SHARED_TESTDATA();
    // 4032 x 3024 stored, orientation 6, a 504 x 376 thumbnail.
    const QString file = sharedTestData(QStringLiteral("jpeg/real/exiv2-bug2565.jpg"));
    // Taken at its own size only when turned upright.
    const QImage thumbnail = PhotoReader(file).exifThumbnailScaled(QSize(376, 504));
    ASSERT_FALSE(thumbnail.isNull());

    const QSize box(130, 173);
    const QImage scaled = decodePhotoScaled(file, box);
    EXPECT_EQ(meanDifference(
                  scaled, thumbnail.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
              0.0);
    const QImage fromPhoto =
        decodePhoto(file).scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(meanDifference(scaled, fromPhoto), kSamePicture);
    EXPECT_GT(meanDifference(scaled.mirrored(true, true), fromPhoto), kSamePicture);
}

TEST(PhotoDecoderRealFiles, StubThumbnailsFallBackToThePhoto) {
    REQUIRE_SHARED_TESTDATA();
    // These point at a 23 to 28 byte "thumbnail" that is no JPEG, or at none.
    for (const char* name : {"Apple.jpg", "Google.jpg", "Nikon.jpg", "Canon.jpg"}) {
        SCOPED_TRACE(name);
        const QString file = sharedTestData(QStringLiteral("jpeg/real/") + QLatin1String(name));
        EXPECT_TRUE(PhotoReader(file).exifThumbnailScaled(QSize(4, 4)).isNull());
        EXPECT_EQ(decodePhotoScaled(file, QSize(4, 4)).size(), QSize(4, 4));
    }
}

// --- Failures --------------------------------------------------------------

void expectUnreadable(const QString& file) {
    EXPECT_FALSE(readPhotoSize(file).isValid());
    EXPECT_TRUE(decodePhoto(file).isNull());
    EXPECT_TRUE(decodePhotoScaled(file, QSize(144, 108)).isNull());
    EXPECT_TRUE(PhotoReader(file).exifThumbnailScaled(QSize(144, 108)).isNull());
}

TEST_F(PhotoDecoderTest, FilesThatAreNoJpegAreUnreadable) {
    expectUnreadable(path(QStringLiteral("missing.jpg")));

    QFile(path(QStringLiteral("empty.jpg"))).open(QIODevice::WriteOnly);
    expectUnreadable(path(QStringLiteral("empty.jpg")));

    ASSERT_TRUE(testPicture(QSize(32, 24)).save(path(QStringLiteral("png.JPG")), "PNG"));
    expectUnreadable(path(QStringLiteral("png.JPG")));

    QFile text(path(QStringLiteral("text.jpeg")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("IMG_0001,2002/06/15\r\n");
    text.close();
    expectUnreadable(text.fileName());
}

TEST_F(PhotoDecoderTest, TruncatedPhotosFailOrShowWhatArrived) {
    const QSize upright(640, 480);
    const QString whole =
        writePhoto(QStringLiteral("whole.jpg"), upright,
                   {.orientation = 6, .exifThumbnail = QSize(160, 120), .noise = true});
    const qint64 length = QFileInfo(whole).size();

    // Cut inside the header: nothing to show.
    for (const qint64 cut : {qint64(1), qint64(2), qint64(100), qint64(600)}) {
        SCOPED_TRACE(cut);
        const QString file = path(QStringLiteral("cut%1.jpg").arg(cut));
        ASSERT_TRUE(writeTruncatedCopy(whole, file, cut));
        expectUnreadable(file);
    }
    // Cut inside the picture data: the photo shows at its size, partly grey.
    for (const qint64 cut : {length / 2, length - 2}) {
        SCOPED_TRACE(cut);
        const QString file = path(QStringLiteral("cut%1.jpg").arg(cut));
        ASSERT_TRUE(writeTruncatedCopy(whole, file, cut));
        EXPECT_EQ(readPhotoSize(file), upright);
        EXPECT_EQ(decodePhoto(file).size(), upright);
        EXPECT_EQ(decodePhotoScaled(file, QSize(130, 98)).size(), QSize(130, 98));
    }
}

// Sets the picture size in the SOF0 header of a baseline JPEG.
QByteArray withClaimedSize(QByteArray jpeg, const QSize& size) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(size.height() >> 8);
    jpeg[sof + 6] = char(size.height() & 0xFF);
    jpeg[sof + 7] = char(size.width() >> 8);
    jpeg[sof + 8] = char(size.width() & 0xFF);
    return jpeg;
}

// A header claiming 400 megapixels is no reason to refuse the file: only the
// whole picture is never decoded, and a thumbnail costs little time.
TEST_F(PhotoDecoderTest, HugeClaimedSizeIsDecodedOnlySmall) {
    const QString small = writePhoto(QStringLiteral("small.jpg"), QSize(64, 48));
    QFile source(small);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = withClaimedSize(source.readAll(), QSize(20000, 20000));
    ASSERT_FALSE(bytes.isEmpty());
    QFile huge(path(QStringLiteral("huge.jpg")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(bytes);
    huge.close();

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(readPhotoSize(huge.fileName()), QSize(20000, 20000));
    EXPECT_TRUE(decodePhoto(huge.fileName()).isNull());
    EXPECT_EQ(decodePhotoScaled(huge.fileName(), QSize(98, 98)).size(), QSize(98, 98));
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(PhotoDecoderTest, EmptyOrHugeBoxGivesNoImage) {
    const QString file = writePhoto(QStringLiteral("p.jpg"), QSize(64, 48));
    EXPECT_TRUE(decodePhotoScaled(file, QSize(0, 98)).isNull());
    EXPECT_TRUE(decodePhotoScaled(file, QSize(130, 0)).isNull());
    EXPECT_TRUE(decodePhotoScaled(file, QSize(130, 1 << 30)).isNull());
}

QStringList jpegFilesIn(const QString& folder) {
    QStringList files;
    const QDir dir(sharedTestData(folder));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

TEST(PhotoDecoderRealFiles, BrokenFilesFailCleanly) {
    REQUIRE_SHARED_TESTDATA();
    // Good pictures with bad metadata still show; non-JPEGs and files
    // without a picture never do.
    const QSet<QString> mustShow = {QStringLiteral("invalid-exif.jpg"),
                                    QStringLiteral("truncated_exif_dpi.jpg"),
                                    QStringLiteral("multiple_exif.jpg"),
                                    QStringLiteral("icc-after-SOF.jpg"),
                                    QStringLiteral("icc_missing_chunk.jpeg"),
                                    QStringLiteral("exiv2-bug495.jpg"),
                                    QStringLiteral("sugarshack_bad_mpo_header.jpg")};
    const QSet<QString> mustFail = {
        QStringLiteral("empty.jpg"),
        QStringLiteral("jpg-size-6x6.jpg"),
        QStringLiteral("issue_2160_poc.jpg"),
        QStringLiteral("issue_2352_poc.jpg"),
        QStringLiteral("issue_2427_poc.jpg"),
        QStringLiteral("max_size.jpg"),
        QStringLiteral("table.jpg"),
        QStringLiteral("issue_1881_coverage.jpg"),
        QStringLiteral("issue_1833_poc.jpg"),
        QStringLiteral("IMGP0006-min.jpg"),
        QStringLiteral("crash-23eba73bb01cb01caa96a389eb12955c34b98a37.jpg")};

    const QStringList files = jpegFilesIn(QStringLiteral("jpeg/broken"));
    ASSERT_GE(files.size(), 46);
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        SCOPED_TRACE(qPrintable(name));
        const QSize size = readPhotoSize(file);
        const QImage whole = decodePhoto(file);
        const QImage scaled = decodePhotoScaled(file, QSize(144, 108));
        if (!whole.isNull()) {
            EXPECT_EQ(whole.size(), size);
        }
        if (!scaled.isNull()) {
            EXPECT_EQ(scaled.size(), QSize(144, 108));
        }
        if (mustShow.contains(name)) {
            EXPECT_FALSE(whole.isNull());
            EXPECT_FALSE(scaled.isNull());
        }
        if (mustFail.contains(name)) {
            EXPECT_TRUE(whole.isNull());
            EXPECT_TRUE(scaled.isNull());
        }
    }
}

TEST(PhotoDecoderRealFiles, EveryRealFileLoads) {
    REQUIRE_SHARED_TESTDATA();
    // 12-bit samples are beyond the decoder; they must fail cleanly.
    const QString twelveBit = QStringLiteral("monkey12.jpg");
    const QStringList files = jpegFilesIn(QStringLiteral("jpeg/real"));
    ASSERT_GE(files.size(), 46);
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        SCOPED_TRACE(qPrintable(name));
        const QImage scaled = decodePhotoScaled(file, QSize(130, 98));
        const QSize size = readPhotoSize(file);
        if (name == twelveBit)
            continue;
        EXPECT_TRUE(size.isValid());
        EXPECT_EQ(scaled.size(), QSize(130, 98));
    }
}

} // namespace
