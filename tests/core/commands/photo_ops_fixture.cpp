// SPDX-License-Identifier: GPL-3.0-or-later
#include "photo_ops_fixture.h"

#include "app/photo_wiring.h"
#include "core/library/library_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PhotoCommands::PhotoCommands() {
    connectPhotoCommands(rig.program, *rig.form);
}

void PhotoCommands::makeFolders(std::initializer_list<Folder> folders) {
    QStringList lines;
    int row = 0;
    for (const Folder& folder : folders) {
        ++row;
        const QString directory =
            QStringLiteral("IMG_%1_%2").arg(row, 4, 10, QLatin1Char('0')).arg(folder.title);
        rig.files.makeDirectory(joinPath(rig.classFolder, directory));
        addPhotos(joinPath(rig.classFolder, directory), folder.photos, folder.title, row * 50);
        lines << QStringLiteral("%1,%2,2001/01/0%3 %4,")
                     .arg(folder.title, directory)
                     .arg(row)
                     .arg(folder.photos);
    }
    rig.writeIndexLines(lines);
    rig.openClassFolder();
}

QString PhotoCommands::folderPath(int row) const {
    return joinPath(rig.classFolder, rig.state.openClass.FolderTable[row][ColDirectory]);
}

QStringList PhotoCommands::addPhotos(const QString& folder, int count, const QString& prefix,
                                     int firstColour) {
    QStringList paths;
    const QStringList made = rig.makePhotos(folder, count, {32, 24}, firstColour);
    for (int i = 0; i < count; ++i) {
        const QString path =
            joinPath(folder, prefix + QStringLiteral("%1.JPG").arg(i + 1, 3, 10, QLatin1Char('0')));
        QFile::rename(rig.host(made[i]), rig.host(path));
        paths << path;
    }
    return paths;
}

int PhotoCommands::filesIn(const QString& folder) const {
    return int(QDir(rig.host(folder)).entryList(QDir::Files).size());
}

bool PhotoCommands::exists(const QString& path) const {
    return QFileInfo::exists(rig.host(path));
}

QByteArray PhotoCommands::bytesOf(const QString& path) const {
    QFile file(rig.host(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime PhotoCommands::ageFile(const QString& path) const {
    QFile file(rig.host(path));
    file.open(QIODevice::ReadWrite);
    file.setFileTime(modifiedAt(path).addSecs(-3600), QFileDevice::FileModificationTime);
    file.close();
    return modifiedAt(path);
}

QDateTime PhotoCommands::modifiedAt(const QString& path) const {
    return QFileInfo(rig.host(path)).lastModified();
}

void PhotoCommands::mark(int first, int last) {
    for (int n = first; n <= last; ++n)
        rig.state.folder.PhotoMarks[n] = 1;
}

int PhotoCommands::markedCount() const {
    int count = 0;
    for (int n = 1; n <= MaxPhotos; ++n)
        count += rig.state.folder.PhotoMarks[n];
    return count;
}
