// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/folder_index.h"

#include <utility>

FolderIndex::FolderIndex(QList<FolderRow> rows, IndexSource source)
    : m_rows(std::move(rows)), m_source(std::move(source)) {}

const FolderRow& FolderIndex::operator[](int k) const {
    static const FolderRow empty;
    if (k == 0)
        return m_pathRow;
    return k >= 1 && k <= count() ? m_rows[k - 1] : empty;
}

int FolderIndex::findRow(const QString& directory, int hint) const {
    if (hint >= 1 && hint <= count() && m_rows[hint - 1][ColDirectory] == directory)
        return hint;
    for (int row = 1; row <= count(); ++row) {
        if (m_rows[row - 1][ColDirectory] == directory)
            return row;
    }
    return 0;
}

bool FolderIndex::addRow(FolderRow row) {
    if (isFull())
        return false;
    m_rows.append(std::move(row));
    return true;
}

void FolderIndex::removeRow(int k) {
    if (k < 1 || k > count())
        return;
    m_rows.removeAt(k - 1);
    m_source.removeRow(k);
}

void FolderIndex::editRowAt(int k, const std::function<void(FolderRow&)>& edit) {
    if (k == 0)
        edit(m_pathRow);
    else if (k >= 1 && k <= count())
        edit(m_rows[k - 1]);
}

bool FolderIndex::editRow(const QString& directory, int hint,
                          const std::function<void(FolderRow&)>& edit) {
    const int row = findRow(directory, hint);
    if (row == 0)
        return false;
    editRowAt(row, edit);
    return true;
}

void FolderIndex::replaceRows(FolderIndex&& read) {
    m_rows = std::move(read.m_rows);
    m_source = std::move(read.m_source);
}
