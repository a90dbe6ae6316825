// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

// JPEG photos drawn for tests. The picture is four coloured quadrants, so a
// photo shown mirrored or turned has its colours in the wrong corners. All
// sizes are upright sizes: the size the photo has when shown correctly.

// Two sets of quadrant colours: one for the main picture and one for an
// embedded EXIF thumbnail, so a test can tell which of the two it was shown.
enum class TestPalette { Photo, Thumbnail };

// The quadrant colours: top-left, top-right, bottom-left, bottom-right.
std::array<QColor, 4> testPaletteColors(TestPalette palette);

// The picture as it looks upright.
QImage testPicture(const QSize& size, TestPalette palette = TestPalette::Photo);

// True when every quadrant of image shows its colour of palette near its
// centre, i.e. image is testPicture(palette), upright, at any size and after
// JPEG compression, scaling and noise.
bool showsTestPicture(const QImage& image, TestPalette palette = TestPalette::Photo);

struct TestJpegOptions {
    // Writes an EXIF block with this Orientation tag. Values 1..8 store the
    // pixels turned so that the tag brings them upright, as a camera held
    // sideways does; other values (0, 9, 36865) store them upright.
    std::optional<quint16> orientation = std::nullopt;
    // Embeds an EXIF thumbnail of this upright size, drawn in the Thumbnail
    // palette and stored turned like the main picture. Invalid: none.
    QSize exifThumbnail = QSize();
    // Embeds these bytes as the EXIF thumbnail instead of a drawn one, for
    // thumbnails that are no JPEG.
    QByteArray exifThumbnailData = QByteArray();
    int quality = 90;
    // Adds fixed pseudo-random pixel noise, so the file is as large and as
    // slow to decode as a real photo of its size.
    bool noise = false;
};

// Writes a JPEG file that shows testPicture(uprightSize) when read upright.
// Without orientation and thumbnail the file has no EXIF block. False when
// the file cannot be written.
bool writeTestJpeg(const QString& hostPath, const QSize& uprightSize,
                   const TestJpegOptions& options = {});

struct TestHeicOptions {
    // Writes an EXIF block with this Orientation tag.
    std::optional<quint16> exifOrientation = std::nullopt;
    // Gives the picture the file's own rotation and mirroring (irot, imir)
    // for this orientation, numbered as EXIF's.
    int heifOrientation = 1;
    // Embeds a thumbnail of this upright size, drawn in the Thumbnail palette
    // and stored turned like the main picture. Invalid: none.
    QSize thumbnail = QSize();
    bool noise = false;
};

// Writes a HEIC file (HEVC through libheif's encoder) that shows
// testPicture(uprightSize) when read upright. The pixels are stored turned
// the way the file's own orientation brings upright, else its EXIF one, as a
// tablet held sideways does; with both, both mean the same turn.
bool writeTestHeic(const QString& hostPath, const QSize& uprightSize,
                   const TestHeicOptions& options = {});

// Writes the first length bytes of source to target, like a copy that broke
// off. False when either file fails.
bool writeTruncatedCopy(const QString& sourcePath, const QString& targetPath, qint64 length);

// The mean absolute difference of two images' colour channels, 0 (equal) to
// 255; images of different sizes differ by 255.
double meanDifference(const QImage& a, const QImage& b);
