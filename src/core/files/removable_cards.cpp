// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/removable_cards.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {

bool hasDcimFolder(const QString& hostFolder) {
    const QStringList folders = QDir(hostFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString& name) {
        return name.compare(QStringLiteral("DCIM"), Qt::CaseInsensitive) == 0;
    });
}

// "\040" in the kernel's table stands for a blank, and so on.
QString unescapedMountPoint(const QByteArray& field) {
    QByteArray path;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool octal = false;
            const int code = field.mid(i + 1, 3).toInt(&octal, 8);
            if (octal) {
                path += char(code);
                i += 3;
                continue;
            }
        }
        path += field[i];
    }
    return QDir::cleanPath(QFile::decodeName(path));
}

// QStorageInfo::mountedVolumes() leaves out FUSE volumes whose source is not
// a device path (a FAT card mounted with fusefat), so on Linux the kernel's
// own table is read; its lines are in the order of mounting.
QStringList mountPointsInMountOrder() {
    QStringList folders;
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (table.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() > 4)
                folders << unescapedMountPoint(fields[4]);
        }
        return folders;
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        folders << QDir::cleanPath(volume.rootPath());
    return folders;
}

} // namespace

QList<MountedCard> mountedCardsIn(const QStringList& roots) {
    QStringList cleanRoots;
    for (const QString& root : roots)
        cleanRoots << QDir::cleanPath(root);
    QList<MountedCard> cards;
    for (const QString& folder : mountPointsInMountOrder()) {
        if (cleanRoots.contains(QFileInfo(folder).absolutePath()) && QFileInfo(folder).isDir())
            cards.append({folder, hasDcimFolder(folder)});
    }
    return cards;
}

std::optional<QString> chooseCard(const QList<MountedCard>& cards) {
    const auto lastWithDcim = std::find_if(cards.crbegin(), cards.crend(),
                                           [](const MountedCard& card) { return card.hasDcim; });
    if (lastWithDcim != cards.crend())
        return lastWithDcim->hostFolder;
    if (cards.isEmpty())
        return std::nullopt;
    return cards.last().hostFolder;
}

QString cardName(const QString& hostFolder) {
    const QString label = QStorageInfo(hostFolder).name();
    return label.isEmpty() ? QDir(hostFolder).dirName() : label;
}
