// SPDX-License-Identifier: GPL-3.0-or-later
#include "support_library/library_fixture.h"

#include "app/thumbnail_wiring.h"
#include "core/commands/class_folder.h"
#include "core/files/cp932_text.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/state/class_names.h"
#include "core/state/screen_mode.h"
#include "support/cp932_files.h"
#include "ui/widgets/picture_box.h"

#include <QFile>
#include <QImage>
#include <cstdlib>

LibraryRig::LibraryRig(int screenWidth) : FormRig(screenWidth) {
    files.makeDirectory(QStringLiteral("C:\\A_IMAGE"));
    files.makeDirectory(classFolder);
    for (int i = 1; i <= ClassCount; ++i)
        state.openClass.ClassNames[i] = classDisplayName(i - 1);
    state.openClass.ClassFolder = classFolder;
    state.openClass.ClassName = QStringLiteral("３年２組");
    state.screen.ThumbColumns = thumbColumnsFor(state.screen.ScreenWidthPx);
    connectBrowserControls(program, *form);
}

QColor LibraryRig::photoColour(int n) {
    return QColor::fromHsv((n * 47) % 360, 255, 100 + (n * 37) % 156);
}

QStringList LibraryRig::makePhotos(const QString& folder, int count, QSize size, int firstColour) {
    files.makeDirectory(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(photoColour(firstColour + i));
        const QString path =
            joinPath(folder, QStringLiteral("P%1.JPG").arg(i + 1, 3, 10, QLatin1Char('0')));
        image.save(host(path), "JPG", 95);
        paths << path;
    }
    return paths;
}

int LibraryRig::photoFileNumber(int n) const {
    const QString name = fileNameOf(state.folder.PhotoPaths[n]);
    return name.mid(1, 3).toInt();
}

void LibraryRig::writeIndexLines(const QStringList& lines) {
    writeCp932Lines(host(indexPathOf(classFolder)), lines);
}

QStringList LibraryRig::readIndexLines() const {
    return readCp932Lines(host(indexPathOf(classFolder))).value_or(QStringList());
}

void LibraryRig::writeIndexBytes(const QByteArray& bytes) {
    QFile file(host(indexPathOf(classFolder)));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray LibraryRig::readIndexBytes() const {
    QFile file(host(indexPathOf(classFolder)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void LibraryRig::openClassFolder() {
    ::openClassFolder(program);
}

QColor LibraryRig::panelColourAt(QPoint pos) const {
    return form->thumbnailPanel->image().pixelColor(pos);
}

bool nearColour(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
