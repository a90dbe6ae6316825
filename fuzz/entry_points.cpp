// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_points.h"

#include "core/files/cp932_text.h"
#include "core/library/folder_names.h"
#include "core/library/index_file.h"
#include "core/library/settings_file.h"
#include "core/state/folder_index.h"

bool checkIndexReader(const QByteArray& bytes) {
    const FolderIndex table = parseIndex(bytes);
    const int count = table.count();
    if (count > MaxFolderRows)
        return false;
    // A rewrite from what was read reads back as the same rows, and writing
    // that again changes nothing: no line is lost on the way.
    const QByteArray written = formatIndex(table);
    const FolderIndex again = parseIndex(written);
    if (again.count() != count || formatIndex(again) != written)
        return false;
    for (int i = 1; i <= count; ++i) {
        if (again[i] != table[i])
            return false;
        const QString& directory = table[i][ColDirectory];
        if (isPlainDirectoryName(directory) &&
            (directory.contains(u'\\') || directory.contains(u'/') || directory == u".."))
            return false;
        storedPhotoCount(table[i][ColDateCount]);
    }
    return true;
}

bool checkSettingsReader(const QByteArray& bytes) {
    const SettingsRead read = parseSettingsLines(decodeCp932Lines(bytes));
    // A file that reached no line leaves everything unread.
    return read.photoDrive || !read.saveBase;
}

bool checkNameCheck(const QByteArray& bytes) {
    for (const QString& name : {decodeCp932(bytes), QString::fromUtf8(bytes)}) {
        const TitleCheck check = checkFolderTitle(name);
        if (check == TitleCheck::Usable) {
            const QString title = toWindowsForms(name);
            // A usable title makes a usable directory name and an index field
            // that reads back as typed.
            if (title.contains(u',') || !isPlainDirectoryName(photoFolderName(1, title)) ||
                decodeCp932(encodeCp932(title)) != title)
                return false;
        }
        if ((check == TitleCheck::Empty) != toWindowsForms(name).isEmpty())
            return false;
        if (isPlainDirectoryName(name) &&
            (name.isEmpty() || name.contains(u'\\') || name.contains(u'/') || name == u".." ||
             name == u"." || isReservedDeviceName(name)))
            return false;
    }
    return true;
}

bool checkCp932(const QByteArray& bytes) {
    const QString text = decodeCp932(bytes);
    // Whatever was read, once written, reads back the same; only what could
    // not be read (U+FFFD) is lost.
    if (!text.contains(QChar(0xFFFD))) {
        if (!canEncodeCp932(text) || decodeCp932(encodeCp932(text)) != text)
            return false;
    }
    const QString forms = toWindowsForms(QString::fromUtf8(bytes));
    if (canEncodeCp932(forms) && decodeCp932(encodeCp932(forms)) != forms)
        return false;
    return decodeCp932Lines(bytes).join(QString()).size() <= text.size();
}
