// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/folder_names.h"

#include "core/files/cp932_text.h"

#include <algorithm>
#include <set>

int folderNumberOf(const QString& directoryName) {
    const QString tail = directoryName.mid(4);
    qsizetype digits = 0;
    while (digits < tail.size() && digits < 5 && tail[digits] >= u'0' && tail[digits] <= u'9')
        ++digits;
    return digits == 0 ? 0 : tail.left(digits).toInt();
}

int nextFolderNumber(const FolderIndex& index, const QStringList& directories) {
    std::set<int> used;
    for (int i = 1; i <= index.count(); ++i)
        used.insert(folderNumberOf(index[i][ColDirectory]));
    for (const QString& directory : directories)
        used.insert(folderNumberOf(directory));
    int number = 1;
    while (used.count(number) > 0)
        ++number;
    return number;
}

QString photoFolderName(int number, const QString& title) {
    return QStringLiteral("IMG_%1_").arg(number, 4, 10, QLatin1Char('0')) + title;
}

bool isForbiddenNameCharacter(QChar c) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c);
}

namespace {

// What Windows refuses or changes in any file name.
bool isUnsafeFileName(const QString& name) {
    return name.isEmpty() || std::any_of(name.begin(), name.end(), isForbiddenNameCharacter) ||
           std::all_of(name.begin(), name.end(), [](QChar c) { return c == u'.'; }) ||
           name.endsWith(u'.') || name.endsWith(u' ') || isReservedDeviceName(name);
}

} // namespace

bool isReservedDeviceName(const QString& name) {
    const QString stem = name.section(u'.', 0, 0).toUpper();
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) &&
           stem[3] >= u'1' && stem[3] <= u'9';
}

TitleCheck checkFolderTitle(const QString& typed) {
    const QString title = toWindowsForms(typed);
    if (title.isEmpty())
        return TitleCheck::Empty;
    // A file name holds at most 255 bytes, "IMG_0000_" and the title's UTF-8.
    constexpr int MaxDirectoryNameBytes = 255;
    if (photoFolderName(0, title).toUtf8().size() > MaxDirectoryNameBytes)
        return TitleCheck::TooLong;
    if (isUnsafeFileName(title) || title.contains(u','))
        return TitleCheck::ForbiddenName;
    return canEncodeCp932(title) ? TitleCheck::Usable : TitleCheck::Unencodable;
}

bool isUsableFolderTitle(const QString& title) {
    return checkFolderTitle(title) == TitleCheck::Usable;
}

bool isPlainDirectoryName(const QString& name) {
    return !isUnsafeFileName(name);
}
