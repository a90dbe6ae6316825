// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/photo_jobs.h"

#include "core/commands/pdf_pages.h"
#include "core/commands/print_photo_sheets.h"
#include "core/geometry/sheet_layout.h"
#include "core/imaging/photo_decoder.h"
#include "support/test_data.h"

#include <QFileInfo>
#include <array>

namespace {
// Camera photos of different makers, sizes and proportions.
const QStringList RealPhotoNames{"Olympus μ Digital 800.JPG",
                                 "Panasonic DMC-LC70 (Lumix).jpg",
                                 "Sanyo S1.JPG",
                                 "Trust PowerCam Zoom LCD 710.JPG",
                                 "exiv2-bug876.jpg",
                                 "iptc.jpg",
                                 "mjpeg.jpg",
                                 "tower.jpg",
                                 "DSC_3079.jpg"};

// The cells of the eight-per-sheet layout as fractions of the sheet.
struct Fractions {
    double left, top, right, bottom;
};
Fractions eightCell(int cell) {
    const double left = cell <= 4 ? 0.07 : 0.53;
    const double right = cell <= 4 ? 0.50 : 0.96;
    const std::array<std::pair<double, double>, 4> rows{
        {{0.04, 0.25}, {0.27, 0.48}, {0.50, 0.72}, {0.74, 0.96}}};
    const auto [top, bottom] = rows[(cell - 1) % 4];
    return {left, top, right, bottom};
}

QString colourText(const QColor& colour) {
    return colour.name();
}
} // namespace

NinePhotoJob::NinePhotoJob(PrinterService& printer)
    : services{rig.messages, rig.screen,     rig.clock, rig.files,    rig.dialogs,
               rig.modals,   rig.thumbnails, printer,   rig.clipboard},
      view(rig.state, services, *rig.form), program{rig.state, services, view} {
    QStringList paths;
    realPhotos = haveSharedTestData();
    if (realPhotos) {
        for (const QString& name : RealPhotoNames)
            paths << rig.files.drivePath(
                QFileInfo(sharedTestData(QStringLiteral("jpeg/real/") + name)).canonicalFilePath());
    } else {
        paths = rig.makePhotos(rig.classFolder + QStringLiteral("\\IMG_0001_a"), 9, {640, 480});
    }
    for (int i = 0; i < paths.size(); ++i) {
        rig.state.folder.PhotoPaths[i + 1] = paths[i];
        rig.state.folder.PhotoMarks[i + 1] = 1;
    }
    rig.state.folder.PhotoCount = int(paths.size());
}

void NinePhotoJob::printEightToASheet() {
    rig.messages.answers = {true};
    printPhotoSheets(program, eightToASheet());
}

QImage NinePhotoJob::photo(int n) const {
    return decodePhoto(rig.files.hostPath(rig.state.folder.PhotoPaths[n]));
}

QString NinePhotoJob::cellShowsPhoto(const QImage& page, int cell, int n) const {
    const Fractions f = eightCell(cell);
    const QColor printed =
        meanColourOfMiddle(page, pageRect(page, f.left, f.top, f.right, f.bottom));
    const QImage original = photo(n);
    const QColor expected = meanColourOfMiddle(original, QRectF(original.rect()));
    if (closeColours(printed, expected, 30))
        return {};
    return QStringLiteral("cell %1 shows %2, photo %3 is %4")
        .arg(cell)
        .arg(colourText(printed))
        .arg(n)
        .arg(colourText(expected));
}

QString NinePhotoJob::gapIsPaper(const QImage& page) {
    // Between the columns (0.50 to 0.53 of the width), level with the first row.
    const QColor gap = meanColourOfMiddle(page, pageRect(page, 0.505, 0.10, 0.525, 0.20));
    return isPaperWhite(gap) ? QString() : QStringLiteral("the gap is %1").arg(colourText(gap));
}
