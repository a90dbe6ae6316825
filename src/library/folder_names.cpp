#include "library/folder_names.h"

#include "platform/cp932_text.h"

#include <algorithm>
#include <vector>

int folderNumberOf(const QString& directoryName) {
    const QString tail = directoryName.mid(4);
    qsizetype digits = 0;
    while (digits < tail.size() && digits < 5 && tail[digits] >= u'0' && tail[digits] <= u'9')
        ++digits;
    return digits == 0 ? 0 : tail.left(digits).toInt();
}

int nextFolderNumber(const FolderRows& table, int count) {
    std::vector<bool> used(count + 2, false);
    for (int i = 1; i <= count; ++i) {
        const int number = folderNumberOf(table[i][ColDirectory]);
        if (number >= 1 && number <= count)
            used[number] = true;
    }
    for (int n = 1; n <= count; ++n) {
        if (!used[n])
            return n;
    }
    return count + 1;
}

QString photoFolderName(int number, const QString& title) {
    return QStringLiteral("IMG_%1_").arg(number, 4, 10, QLatin1Char('0')) + title;
}

bool isUsableFolderTitle(const QString& title) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|,");
    if (title.isEmpty())
        return false;
    if (std::any_of(title.begin(), title.end(),
                    [](QChar c) { return forbidden.contains(c) || c.unicode() < 0x20; }))
        return false;
    if (std::all_of(title.begin(), title.end(), [](QChar c) { return c == u'.'; }))
        return false;
    return !title.endsWith(u'.') && !title.endsWith(u' ') && canEncodeCp932(title);
}

bool isPlainDirectoryName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'\\') &&
           !name.contains(u'/') && !name.contains(u':');
}
