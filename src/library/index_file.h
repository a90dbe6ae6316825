#pragma once

#include "state/program_state.h"

#include <QString>
#include <QStringList>

class FileSystem;

// The class folder's index IMGMAIN.TXT: one line per photo folder,
// "title,directory,date count,remark", code page 932 with CR LF.

inline const QString IndexFileName = QStringLiteral("IMGMAIN.TXT");

// Parses index lines into rows 1.. of table and returns the row count. A line
// with fewer than two commas ends the reading; at most 1000 rows are taken.
int parseIndexLines(const QStringList& lines, FolderRows& table);
// The lines for rows 1..count, all four fields each.
QStringList formatIndexLines(const FolderRows& table, int count);

// Reads the index file at indexPath into table; a missing or unreadable file
// gives no rows.
int readIndex(const FileSystem& files, const QString& indexPath, FolderRows& table);
// Replaces classFolder's index with rows 1..count. The old file stays whole
// when the write fails.
bool writeIndex(const FileSystem& files, const QString& classFolder, const FolderRows& table,
                int count);

// The photo count stored in a row's date-and-count column: the leading digits
// from its twelfth character on, 0 when there are none.
int storedPhotoCount(const QString& dateAndCount);
// "2002/06/15 12": a date text, a space and the count.
QString dateAndCount(const QString& date, int count);
