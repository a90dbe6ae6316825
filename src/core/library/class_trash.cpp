// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/class_trash.h"

#include "core/files/file_system.h"
#include "core/library/folder_names.h"
#include "core/library/library_paths.h"

#include <QMap>
#include <algorithm>
#include <utility>

namespace {

// A record is a handful of short lines; anything larger is no record of ours.
constexpr qsizetype MostRecordBytes = 16 * 1024;
const QString StampFormat = QStringLiteral("yyyyMMddhhmmss");

const QStringList RowKeys = {QStringLiteral("datecount"), QStringLiteral("title"),
                             QStringLiteral("directory"), QStringLiteral("remark")};

QByteArray formatRecord(const TrashItem& item) {
    QMap<QString, QString> fields;
    fields[QStringLiteral("kind")] =
        item.kind == TrashItem::Kind::Photo ? QStringLiteral("photo") : QStringLiteral("folder");
    fields[QStringLiteral("when")] = item.trashedAt.toString(Qt::ISODate);
    for (int column = 0; column < int(RowKeys.size()); ++column)
        fields[RowKeys[column]] = item.row[column];
    fields[QStringLiteral("name")] = item.photoName;
    QByteArray bytes;
    for (auto field = fields.cbegin(); field != fields.cend(); ++field)
        bytes += field.key().toUtf8() + ' ' + field.value().toUtf8().toPercentEncoding() + '\n';
    return bytes;
}

std::optional<TrashItem> parseRecord(const QByteArray& bytes) {
    QMap<QString, QString> fields;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            fields[QString::fromUtf8(line.left(space))] =
                QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(space + 1)));
    }
    TrashItem item;
    const QString kind = fields.value(QStringLiteral("kind"));
    item.kind = kind == u"folder" ? TrashItem::Kind::Folder : TrashItem::Kind::Photo;
    item.trashedAt = QDateTime::fromString(fields.value(QStringLiteral("when")), Qt::ISODate);
    for (int column = 0; column < int(RowKeys.size()); ++column)
        item.row[column] = fields.value(RowKeys[column]);
    item.photoName = fields.value(QStringLiteral("name"));
    const QString& content =
        item.kind == TrashItem::Kind::Photo ? item.photoName : item.row[ColDirectory];
    if ((kind != u"photo" && kind != u"folder") || !item.trashedAt.isValid() ||
        !isWholeName(content) || !isPlainDirectoryName(item.row[ColDirectory]))
        return std::nullopt;
    return item;
}

QString contentName(const TrashItem& item) {
    return item.kind == TrashItem::Kind::Photo ? item.photoName : item.row[ColDirectory];
}

std::optional<TrashItem> readItem(const FileSystem& files, const QString& classFolder,
                                  const QString& id) {
    const FileSystem::FileRead read =
        files.readFile(joinPath(trashItemFolder(classFolder, id), TrashRecordName));
    if (read.status != FileSystem::FileRead::Read || read.bytes.size() > MostRecordBytes)
        return std::nullopt;
    std::optional<TrashItem> item = parseRecord(read.bytes);
    if (item) {
        item->id = id;
        item->contentPath = joinPath(trashItemFolder(classFolder, id), contentName(*item));
    }
    return item;
}

// Makes a new item folder with item's record in it; its id is the time
// stamp, with a number after it when that is taken already.
std::optional<QString> makeItem(const FileSystem& files, const QString& classFolder,
                                TrashItem item) {
    const QString trash = trashFolderOf(classFolder);
    if (!files.isDirectory(trash) && !files.makeDirectory(trash))
        return std::nullopt;
    const QString stamp = item.trashedAt.toString(StampFormat);
    for (int n = 1; n < 1000; ++n) {
        const QString id = stamp + u'_' + QString::number(n);
        const QString folder = trashItemFolder(classFolder, id);
        if (files.exists(folder))
            continue;
        if (!files.makeDirectory(folder))
            return std::nullopt;
        if (files.writeFile(joinPath(folder, TrashRecordName), formatRecord(item)))
            return folder;
        files.removeDirectory(folder);
        return std::nullopt;
    }
    return std::nullopt;
}

// The name under which name can join folder without replacing a photo there.
QString freeNameIn(const FileSystem& files, const QString& folder, const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    QString candidate = name;
    for (int n = 2; files.exists(joinPath(folder, candidate)); ++n)
        candidate = stem + u'_' + QString::number(n) + extension;
    return candidate;
}

} // namespace

QString trashFolderOf(const QString& classFolder) {
    return classFolder.endsWith(u'\\') ? classFolder + TrashFolderName
                                       : joinPath(classFolder, TrashFolderName);
}

QString trashItemFolder(const QString& classFolder, const QString& id) {
    return joinPath(trashFolderOf(classFolder), id);
}

QList<TrashItem> listTrash(const FileSystem& files, const QString& classFolder) {
    QList<TrashItem> items;
    for (const QString& id : files.listFolders(trashFolderOf(classFolder))) {
        std::optional<TrashItem> item = readItem(files, classFolder, id);
        if (item && files.exists(item->contentPath))
            items.append(std::move(*item));
    }
    std::stable_sort(items.begin(), items.end(), [](const TrashItem& a, const TrashItem& b) {
        return a.trashedAt < b.trashedAt;
    });
    return items;
}

bool trashPhoto(const FileSystem& files, const QString& classFolder, const FolderRow& row,
                const QString& name, const QDateTime& now) {
    TrashItem item;
    item.trashedAt = now;
    item.row = row;
    item.photoName = name;
    const QString folder = joinPath(classFolder, row[ColDirectory]);
    if (!isPlainDirectoryName(row[ColDirectory]) || !isWholeName(name))
        return false;
    const std::optional<QString> itemFolder = makeItem(files, classFolder, item);
    if (!itemFolder)
        return false;
    if (files.moveIn(folder, name, joinPath(*itemFolder, name)))
        return true;
    files.removeTree(*itemFolder);
    return false;
}

IndexChange trashFolder(const FileSystem& files, const QString& classFolder,
                        const QString& directory, int hint, const QDateTime& now,
                        FolderMove& moved) {
    return [&files, classFolder, directory, hint, now, &moved](FolderIndex& index) {
        moved = {};
        const int row = index.findRow(directory, hint);
        if (row == 0 || !isPlainDirectoryName(directory))
            return false;
        TrashItem item;
        item.kind = TrashItem::Kind::Folder;
        item.trashedAt = now;
        item.row = index[row];
        const std::optional<QString> itemFolder = makeItem(files, classFolder, item);
        moved.unrecorded = !itemFolder;
        if (!itemFolder)
            return false;
        const QString to = joinPath(*itemFolder, directory);
        if (!files.moveIn(classFolder, directory, to)) {
            files.removeTree(*itemFolder);
            return false;
        }
        moved = {joinPath(classFolder, directory), to};
        index.removeRow(row);
        return true;
    };
}

IndexChange restoreFolder(const FileSystem& files, const QString& classFolder,
                          const TrashItem& item, FolderMove& moved) {
    return [&files, classFolder, item, &moved](FolderIndex& index) {
        moved = {};
        const QString own = item.row[ColDirectory];
        const QStringList directories = files.listDirectories(classFolder);
        const bool ownLeft = directories.contains(own, Qt::CaseInsensitive);
        // A row left by a move that a crash cut short still names the folder.
        const int leftRow = ownLeft ? 0 : index.findRow(own, 0);
        QStringList taken = directories;
        for (int row = 1; row <= index.count(); ++row)
            taken << index[row][ColDirectory];
        const int number = folderNumberOf(own);
        const bool ownTaken = std::any_of(taken.begin(), taken.end(), [&](const QString& name) {
            return number > 0 ? folderNumberOf(name) == number
                              : name.compare(own, Qt::CaseInsensitive) == 0;
        });
        const QString directory =
            leftRow != 0 || !ownTaken
                ? own
                : photoFolderName(nextFolderNumber(index, directories), item.row[ColTitle]);
        if (leftRow == 0 && index.isFull())
            return false;
        const QString to = joinPath(classFolder, directory);
        if (!files.moveIn(trashItemFolder(classFolder, item.id), own, to))
            return false;
        moved = {item.contentPath, to};
        if (leftRow == 0) {
            FolderRow row = item.row;
            row[ColDirectory] = directory;
            index.addRow(std::move(row));
        }
        return true;
    };
}

bool finishFolderMove(const FileSystem& files, IndexUpdate update, const FolderMove& moved,
                      const QString& itemFolder) {
    if (moved.from.isEmpty())
        return false;
    if (update == IndexUpdate::Written) {
        if (!itemFolder.isEmpty())
            files.removeTree(itemFolder);
        return true;
    }
    files.moveIn(folderOf(moved.to), fileNameOf(moved.to), moved.from);
    return false;
}

PhotoRestore restorePhoto(const FileSystem& files, const QString& classFolder,
                          const FolderIndex& index, const TrashItem& item) {
    const QString directory = item.row[ColDirectory];
    const QString folder = joinPath(classFolder, directory);
    if (index.findRow(directory, 0) == 0 || !files.isDirectoryIn(folder, classFolder))
        return PhotoRestore::FolderGone;
    const QString itemFolder = trashItemFolder(classFolder, item.id);
    if (!files.moveIn(itemFolder, item.photoName,
                      joinPath(folder, freeNameIn(files, folder, item.photoName))))
        return PhotoRestore::Failed;
    files.removeTree(itemFolder);
    return PhotoRestore::Restored;
}

bool removeTrashItem(const FileSystem& files, const QString& classFolder, const QString& id) {
    return isWholeName(id) && files.removeTree(trashItemFolder(classFolder, id));
}

void cleanTrash(const FileSystem& files, const QString& classFolder, const QDateTime& now) {
    const QString trash = trashFolderOf(classFolder);
    const QStringList ids = files.listFolders(trash);
    if (ids.isEmpty())
        return;
    const std::optional<FileLock> lock =
        files.lockFile(indexLockPathOf(classFolder), std::chrono::milliseconds(0));
    if (!lock)
        return;
    const QDateTime oldest = now.addDays(-TrashKeepDays);
    for (const QString& id : ids) {
        const std::optional<TrashItem> item = readItem(files, classFolder, id);
        if (item && (item->trashedAt < oldest || !files.exists(item->contentPath)))
            removeTrashItem(files, classFolder, id);
    }
}
