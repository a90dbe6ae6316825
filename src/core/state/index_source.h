// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// What the index reader saw of a file beyond the rows it put into a
// FolderIndex, so that the writer can put back byte for byte whatever the rows
// do not hold: the lines that are not rows (fewer than two commas, rows past the
// 1000th) where they stood, and each row's fields as read, so that a field
// whose bytes do not decode goes back unchanged while its text is unchanged.
struct IndexSource {
    struct Row {
        std::array<QString, 4> text;     // the columns as read, by FolderColumn
        std::array<QByteArray, 4> bytes; // their bytes in the file
        QList<QByteArray> linesBefore;   // lines that are not rows, just above it
    };

    // The file exists but could not be read: its table is empty and must never
    // be written over it.
    bool unreadable = false;
    QList<Row> rows;              // rows 1.. of the table as read
    QList<QByteArray> linesAfter; // lines below the last row taken

    // Row k (1-based) left the table and the rows below it moved up; the lines
    // that stood above it now stand above the row that follows.
    void removeRow(int k);
};
