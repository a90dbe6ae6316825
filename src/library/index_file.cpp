#include "library/index_file.h"

#include "library/library_paths.h"
#include "platform/file_system.h"

int parseIndexLines(const QStringList& lines, FolderRows& table) {
    int count = 0;
    for (const QString& line : lines) {
        const qsizetype p1 = line.indexOf(u',');
        const qsizetype p2 = p1 < 0 ? -1 : line.indexOf(u',', p1 + 1);
        if (p2 < 0 || count == MaxFolderRows)
            break;
        const qsizetype p3 = line.indexOf(u',', p2 + 1);
        FolderRow& row = table[++count];
        row[ColTitle] = line.left(p1);
        row[ColDirectory] = line.mid(p1 + 1, p2 - p1 - 1);
        if (p3 < 0) {
            row[ColDateCount] = line.mid(p2 + 1);
            row[ColRemark].clear();
        } else {
            row[ColDateCount] = line.mid(p2 + 1, p3 - p2 - 1);
            row[ColRemark] = line.mid(p3 + 1);
        }
    }
    return count;
}

QStringList formatIndexLines(const FolderRows& table, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        const FolderRow& row = table[i];
        lines << row[ColTitle] + u',' + row[ColDirectory] + u',' + row[ColDateCount] + u',' +
                     row[ColRemark];
    }
    return lines;
}

int readIndex(const FileSystem& files, const QString& indexPath, FolderRows& table) {
    const std::optional<QStringList> lines = files.readTextLines(indexPath);
    return lines ? parseIndexLines(*lines, table) : 0;
}

bool writeIndex(const FileSystem& files, const QString& classFolder, const FolderRows& table,
                int count) {
    return files.writeTextLines(indexPathOf(classFolder), formatIndexLines(table, count));
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
