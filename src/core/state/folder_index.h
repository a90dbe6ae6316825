// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/index_source.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>

inline constexpr int MaxFolderRows = 1000;

// Columns of a folder-table row: 0 date and count, 1 title, 2 directory name,
// 3 remark.
enum FolderColumn { ColDateCount = 0, ColTitle = 1, ColDirectory = 2, ColRemark = 3 };
using FolderRow = std::array<QString, 4>;

// A class folder's index as the program holds it: rows 1..count() in file
// order, and beside them the record of what was read of the file, which every
// change of the rows keeps in step so that the writer can put back what the
// rows do not hold. Row 0 stands for a folder opened by path and is no part of
// the index. Copies share their rows until one of them changes.
class FolderIndex {
public:
    FolderIndex() = default;
    // An index read from a file: rows (at most MaxFolderRows) and the record of
    // that reading.
    FolderIndex(QList<FolderRow> rows, IndexSource source);

    int count() const { return int(m_rows.size()); }
    bool isFull() const { return count() >= MaxFolderRows; }
    // The file exists but could not be read: there are no rows, and the index
    // must never be written over it.
    bool unreadable() const { return m_source.unreadable; }
    const IndexSource& source() const { return m_source; }

    // Row k of 1..count(), or row 0; an empty row for any other k.
    const FolderRow& operator[](int k) const;

    // The row whose directory name is directory: hint when it is one, else
    // the first such row; 0 when there is none.
    int findRow(const QString& directory, int hint) const;

    // Adds row below the last one; false, adding nothing, when the index is
    // full.
    bool addRow(FolderRow row);
    // Takes row k (1..count()) out; the rows below move up, and the lines of
    // the file that stood above it now stand above the row that follows.
    void removeRow(int k);
    // Edits row k of 0..count() in place; any other k is left alone.
    void editRowAt(int k, const std::function<void(FolderRow&)>& edit);
    // Edits the row of directory found as findRow finds it; false when there
    // is none.
    bool editRow(const QString& directory, int hint, const std::function<void(FolderRow&)>& edit);
    void setPathRow(const FolderRow& row) { m_pathRow = row; }

    // Takes the rows and the record of read, which was read afresh; row 0
    // stays.
    void replaceRows(FolderIndex&& read);

private:
    FolderRow m_pathRow;
    QList<FolderRow> m_rows; // rows 1..count()
    IndexSource m_source;
};
