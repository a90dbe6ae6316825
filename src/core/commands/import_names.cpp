// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/import_names.h"

#include "core/library/index_file.h"

bool keepsItsName(const QString& photoName) {
    return photoName.startsWith(QStringLiteral("200")) ||
           photoName.startsWith(QStringLiteral("1999"));
}

QString importedName(const QString& photoName, const QString& stamp) {
    return keepsItsName(photoName) ? photoName : stamp + u'_' + photoName;
}

FolderRow newFolderRow(const QString& date, int photoCount, const QString& title,
                       const QString& directory) {
    FolderRow row;
    row[ColDateCount] = dateAndCount(date, photoCount);
    row[ColTitle] = title;
    row[ColDirectory] = directory;
    return row;
}

QString ImportedNames::distinct(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    QString candidate = name;
    for (int n = 2; m_taken.contains(candidate.toCaseFolded()); ++n)
        candidate = stem + u'_' + QString::number(n) + extension;
    m_taken.insert(candidate.toCaseFolded());
    return candidate;
}
