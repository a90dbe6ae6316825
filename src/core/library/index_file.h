// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/folder_index.h"

#include <QByteArray>
#include <QString>
#include <functional>

class FileSystem;

// The class folder's index IMGMAIN.TXT: one line per photo folder,
// "title,directory,date count,remark", code page 932 with CR LF.
//
// An index is never written back from less than the file held: the reader
// keeps in the index's record every line it did not take as a row and every
// row's bytes, and the writer puts them back where they stood.

inline const QString IndexFileName = QStringLiteral("IMGMAIN.TXT");

// Parses an index file's bytes into an index. Lines are cut as splitIndexLines
// cuts them. A line with fewer than two commas is not a row and is skipped;
// rows past the 1000th are not taken. The index's record gets what its rows do
// not hold.
FolderIndex parseIndex(const QByteArray& bytes);
// The file for the index's rows: every row with all four fields, a field whose
// text is as read in its bytes as read, and the lines that are not rows where
// they stood. Rows past those read follow the last row read.
QByteArray formatIndex(const FolderIndex& index);

// Where an index was read from.
enum class IndexOrigin {
    File,    // the index file itself
    Copy,    // a whole copy that a replacement stopped half way left
    Nowhere, // neither the file nor a copy is there
};

// Reads the index file at indexPath. Where it is missing, the newest whole
// copy a replacement left beside it ("<name>.new", then "<name>.old") is
// read instead. Neither file nor copy gives no rows; so does one that exists
// but cannot be read, and the index is then unreadable.
FolderIndex readIndex(const FileSystem& files, const QString& indexPath,
                      IndexOrigin* origin = nullptr);

enum class IndexWrite {
    Written,
    Failed,     // the file could not be replaced; the old one stays whole
    Unreadable, // refused: the index came from a file that could not be read
    Refused,    // mayPutInPlace said no; the old file stays
};
// Replaces classFolder's index file with index, keeping a whole copy of the
// old or the new file at every moment (see replaceKeepingCopy). mayPutInPlace
// is asked right before; when it says no, nothing changes and the write is
// Refused.
IndexWrite writeIndex(
    const FileSystem& files, const QString& classFolder, const FolderIndex& index,
    const std::function<bool()>& mayPutInPlace = [] { return true; });

// The photo count stored in a row's date-and-count column: the leading digits
// from its twelfth character on, 0 when there are none.
int storedPhotoCount(const QString& dateAndCount);
// "2002/06/15 12": a date text, a space and the count.
QString dateAndCount(const QString& date, int count);
// Sets the count of a row's date-and-count column, keeping its date.
void setStoredPhotoCount(FolderRow& row, int count);
