// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/program_state.h"

#include <QSet>
#include <QString>

// Names and rows that an import gives what it brings in.

// True for a photo whose name already tells when it was taken: it begins
// with "200" or "1999".
bool keepsItsName(const QString& photoName);
// The name of an imported photo: its own when it keeps it, else the 14-digit
// stamp of the import and "_" in front ("20020615093012_DSC00001.JPG").
QString importedName(const QString& photoName, const QString& stamp);

// The index row of a new folder: date and count, title, directory name and an
// empty remark.
FolderRow newFolderRow(const QString& date, int photoCount, const QString& title,
                       const QString& directory);

// The names given to the photos of one import, so that no photo replaces
// another that the same import brought.
class ImportedNames {
public:
    // name when no earlier photo of this import has it in any letter case;
    // else name with "_2", "_3" … before its extension ("IMG_0001_2.JPG").
    QString distinct(const QString& name);

private:
    QSet<QString> m_taken;
};
