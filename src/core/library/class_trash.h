// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/locked_index.h"
#include "core/state/folder_index.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

class FileSystem;

// A class's trash: deleted photos and folders wait in the folder "ごみばこ"
// inside the class folder, on the same drive, so that a move there is one
// rename and every machine of the class sees it. Each item is a folder of its
// own holding the photo or the photo folder and a record of where it came
// from, written whole and renamed into place, and only under the class
// folder's index lock. A photo is at every moment either where it was or in
// its item.

inline const QString TrashFolderName = QStringLiteral("ごみばこ");
inline const QString TrashRecordName = QStringLiteral("ITEM.TXT");
inline constexpr int TrashKeepDays = 30;

// The trash folder of a class folder.
QString trashFolderOf(const QString& classFolder);

struct TrashItem {
    enum class Kind { Photo, Folder };
    Kind kind = Kind::Photo;
    QString id; // the item's folder name in the trash
    QDateTime trashedAt;
    FolderRow row;     // the folder's row as it was; for a photo, its folder's row
    QString photoName; // a photo's own name
    // The item's content, a drive path: the photo or the photo folder.
    QString contentPath;
};

// One item as the trash window lists it.
struct TrashEntry {
    QString id;
    QString caption;  // the date it went, and what it was
    QImage thumbnail; // null when it has no photo that can be shown
};

// Items whose record reads and whose content is still there, oldest first.
QList<TrashItem> listTrash(const FileSystem& files, const QString& classFolder);

// Moves the photo called name out of folder (the photo folder of row) into a
// new item. Call it under the class folder's index lock. False, leaving the
// photo where it was, when it could not be moved.
bool trashPhoto(const FileSystem& files, const QString& classFolder, const FolderRow& row,
                const QString& name, const QDateTime& now);

// An index change that moves the photo folder of directory (row hint) into a
// new item and takes its row out. The folder is moved back when the index
// cannot be written: see finishFolderMove.
struct FolderMove {
    QString from; // drive paths of the move made, empty when none was
    QString to;
    bool unrecorded = false; // declined: the item's record could not be written
};
IndexChange trashFolder(const FileSystem& files, const QString& classFolder,
                        const QString& directory, int hint, const QDateTime& now,
                        FolderMove& moved);
// An index change that brings a folder item back with its row, under its own
// directory name when its number is free, else under the lowest free number.
IndexChange restoreFolder(const FileSystem& files, const QString& classFolder,
                          const TrashItem& item, FolderMove& moved);
// After an index change above: undoes its move when the index was not written,
// and drops the emptied item (itemFolder, when given) when it was. False when
// no move stands.
bool finishFolderMove(const FileSystem& files, IndexUpdate update, const FolderMove& moved,
                      const QString& itemFolder);

enum class PhotoRestore { Restored, FolderGone, Failed };
// Moves a photo item back into the folder that index names for it, under a
// name no photo there has. Call it under the class folder's index lock.
PhotoRestore restorePhoto(const FileSystem& files, const QString& classFolder,
                          const FolderIndex& index, const TrashItem& item);

// Removes an item for good. Call it under the class folder's index lock.
bool removeTrashItem(const FileSystem& files, const QString& classFolder, const QString& id);
// Removes the items older than TrashKeepDays, and the remains of moves that a
// crash cut short (a record without its content), under the lock.
void cleanTrash(const FileSystem& files, const QString& classFolder, const QDateTime& now);

// The folder of item id.
QString trashItemFolder(const QString& classFolder, const QString& id);
