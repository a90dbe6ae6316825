#pragma once

#include "state/index_source.h"
#include "state/program_state.h"

#include <QByteArray>
#include <QString>

class FileSystem;

// The class folder's index IMGMAIN.TXT: one line per photo folder,
// "title,directory,date count,remark", code page 932 with CR LF.
//
// A table is never written back from less than the file held: the reader
// fills an IndexSource beside the table with every line it did not take as a
// row and every row's bytes, and the writer puts them back where they stood.

inline const QString IndexFileName = QStringLiteral("IMGMAIN.TXT");

// Parses an index file's bytes into rows 1.. of table and returns the row
// count. Lines are cut as splitIndexLines cuts them. A line with fewer than two commas is not a row
// and is skipped; rows past the 1000th are not taken. source gets what the table does not hold.
int parseIndex(const QByteArray& bytes, FolderRows& table, IndexSource& source);
// The file for rows 1..count: every row with all four fields, a field whose
// text is as read in its bytes as read, and the lines of source that are not
// rows where they stood. Rows past those read follow the last row read.
QByteArray formatIndex(const FolderRows& table, int count, const IndexSource& source);

// Reads the index file at indexPath into table and source and returns the row
// count. A missing file gives no rows; so does one that exists but cannot be
// read, and source is then marked unreadable.
int readIndex(const FileSystem& files, const QString& indexPath, FolderRows& table,
              IndexSource& source);

enum class IndexWrite {
    Written,
    Failed,     // the file could not be replaced; the old one stays whole
    Unreadable, // refused: the table came from a file that could not be read
};
// Replaces classFolder's index with rows 1..count of table, read with source.
IndexWrite writeIndex(const FileSystem& files, const QString& classFolder, const FolderRows& table,
                      int count, const IndexSource& source);

// The photo count stored in a row's date-and-count column: the leading digits
// from its twelfth character on, 0 when there are none.
int storedPhotoCount(const QString& dateAndCount);
// "2002/06/15 12": a date text, a space and the count.
QString dateAndCount(const QString& date, int count);
