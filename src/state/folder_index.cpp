#include "state/folder_index.h"

#include <utility>

FolderIndex::FolderIndex(QList<FolderRow> rows, IndexSource source)
    : rows_(std::move(rows)), source_(std::move(source)) {}

const FolderRow& FolderIndex::operator[](int k) const {
    static const FolderRow empty;
    if (k == 0)
        return pathRow_;
    return k >= 1 && k <= count() ? rows_[k - 1] : empty;
}

int FolderIndex::findRow(const QString& directory, int hint) const {
    if (hint >= 1 && hint <= count() && rows_[hint - 1][ColDirectory] == directory)
        return hint;
    for (int row = 1; row <= count(); ++row) {
        if (rows_[row - 1][ColDirectory] == directory)
            return row;
    }
    return 0;
}

bool FolderIndex::addRow(FolderRow row) {
    if (isFull())
        return false;
    rows_.append(std::move(row));
    return true;
}

void FolderIndex::removeRow(int k) {
    if (k < 1 || k > count())
        return;
    rows_.removeAt(k - 1);
    source_.removeRow(k);
}

void FolderIndex::editRowAt(int k, const std::function<void(FolderRow&)>& edit) {
    if (k == 0)
        edit(pathRow_);
    else if (k >= 1 && k <= count())
        edit(rows_[k - 1]);
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
    rows_ = std::move(read.rows_);
    source_ = std::move(read.source_);
}
