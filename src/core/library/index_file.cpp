// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/index_file.h"

#include "core/files/cp932_text.h"
#include "core/files/file_system.h"
#include "core/library/index_lines.h"
#include "core/library/library_paths.h"

#include <algorithm>

namespace {

// The columns in the order of their fields in a line.
constexpr std::array<int, 4> FieldColumns = {ColTitle, ColDirectory, ColDateCount, ColRemark};

// The comma is never the second byte of a code page 932 character, so fields
// are cut on the bytes.
bool splitFields(const QByteArray& line, std::array<QByteArray, 4>& bytes) {
    const qsizetype p1 = line.indexOf(',');
    const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(',', p1 + 1);
    if (p2 < 0)
        return false;
    const qsizetype p3 = line.indexOf(',', p2 + 1);
    bytes[ColTitle] = line.left(p1);
    bytes[ColDirectory] = line.sliced(p1 + 1, p2 - p1 - 1);
    bytes[ColDateCount] = p3 < 0 ? line.sliced(p2 + 1) : line.sliced(p2 + 1, p3 - p2 - 1);
    bytes[ColRemark] = p3 < 0 ? QByteArray() : line.sliced(p3 + 1);
    return true;
}

QByteArray formatRow(const FolderRow& row, const IndexSource::Row* read) {
    QByteArray line;
    for (const int column : FieldColumns) {
        if (column != ColTitle)
            line += ',';
        line += read && read->text[column] == row[column] ? read->bytes[column]
                                                          : encodeCp932(row[column]);
    }
    return line + "\r\n";
}

} // namespace

FolderIndex parseIndex(const QByteArray& bytes) {
    QList<FolderRow> rows;
    IndexSource source;
    QList<QByteArray> notRows;
    for (const QByteArray& line : splitIndexLines(bytes)) {
        IndexSource::Row read;
        if (rows.size() == MaxFolderRows || !splitFields(line, read.bytes)) {
            notRows << line;
            continue;
        }
        FolderRow& row = rows.emplace_back();
        for (const int column : FieldColumns) {
            read.text[column] = decodeCp932(read.bytes[column]);
            row[column] = read.text[column];
        }
        read.linesBefore.swap(notRows);
        source.rows << std::move(read);
    }
    source.linesAfter = std::move(notRows);
    return FolderIndex(std::move(rows), std::move(source));
}

QByteArray formatIndex(const FolderIndex& index) {
    const IndexSource& source = index.source();
    QByteArray file;
    const int rows = std::max<int>(index.count(), int(source.rows.size()));
    for (int i = 1; i <= rows; ++i) {
        const IndexSource::Row* read = i <= source.rows.size() ? &source.rows[i - 1] : nullptr;
        if (read) {
            for (const QByteArray& line : read->linesBefore)
                file += line + "\r\n";
        }
        if (i <= index.count())
            file += formatRow(index[i], read);
    }
    for (const QByteArray& line : source.linesAfter)
        file += line + "\r\n";
    return file;
}

namespace {

FolderIndex readIndexFile(const FileSystem& files, const QString& path, bool& missing) {
    IndexSource unreadable;
    unreadable.unreadable = true;
    missing = false;
    // An index that is a link is neither read through nor written over.
    if (files.isLink(path))
        return FolderIndex({}, std::move(unreadable));
    const FileSystem::FileRead file = files.readFile(path);
    if (file.status == FileSystem::FileRead::Read)
        return parseIndex(file.bytes);
    if (file.status == FileSystem::FileRead::Unreadable)
        return FolderIndex({}, std::move(unreadable));
    missing = true;
    return {};
}

} // namespace

FolderIndex readIndex(const FileSystem& files, const QString& indexPath, IndexOrigin* origin) {
    // A replacement by another machine may move the file and its copies
    // while they are looked for; the look is made again once.
    const QStringList candidates = {indexPath, newCopyPathOf(indexPath), oldCopyPathOf(indexPath)};
    for (int round = 0; round < 2; ++round) {
        for (const QString& path : candidates) {
            bool missing = false;
            FolderIndex index = readIndexFile(files, path, missing);
            if (!missing) {
                if (origin)
                    *origin = path == indexPath ? IndexOrigin::File : IndexOrigin::Copy;
                return index;
            }
        }
    }
    if (origin)
        *origin = IndexOrigin::Nowhere;
    return {};
}

IndexWrite writeIndex(const FileSystem& files, const QString& classFolder, const FolderIndex& index,
                      const std::function<bool()>& mayPutInPlace) {
    if (index.unreadable())
        return IndexWrite::Unreadable;
    switch (
        files.writeFileKeepingCopy(indexPathOf(classFolder), formatIndex(index), mayPutInPlace)) {
    case KeptReplacement::Replaced:
        return IndexWrite::Written;
    case KeptReplacement::Refused:
        return IndexWrite::Refused;
    case KeptReplacement::Failed:
        break;
    }
    return IndexWrite::Failed;
}

int storedPhotoCount(const QString& dateAndCount) {
    const QString tail = dateAndCount.mid(11).trimmed();
    qsizetype digits = 0;
    while (digits < tail.size() && tail[digits].isDigit() && tail[digits].unicode() < 128)
        ++digits;
    return digits == 0 ? 0 : tail.left(std::min<qsizetype>(digits, 5)).toInt();
}

QString dateAndCount(const QString& date, int count) {
    return date + u' ' + QString::number(count);
}

void setStoredPhotoCount(FolderRow& row, int count) {
    row[ColDateCount] = dateAndCount(row[ColDateCount].left(10), count);
}
