// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/folder_index.h"

#include <QString>
#include <QStringList>

// Names the program gives photo folders: "IMG_0007_えんそく".

// The folder number a directory name uses: the decimal digits at its start
// from the fifth character on ("IMG_0007_x" uses 7), 0 when there are none.
int folderNumberOf(const QString& directoryName);
// The lowest number from 1 on that neither a row of index nor one of
// directories (the names of the directories in the class folder) uses, so
// that a directory left without its row never blocks a new folder.
int nextFolderNumber(const FolderIndex& index, const QStringList& directories = {});
// "IMG_" + number in four digits + "_" + title.
QString photoFolderName(int number, const QString& title);

enum class TitleCheck {
    Usable,
    Empty,
    // A character no file name may hold, ",", a name of dots, a trailing dot
    // or space, or a device name of Windows.
    ForbiddenName,
    // A character the index's code page lacks, even in its Windows form.
    Unencodable,
    // Longer than a folder's name can be on the file systems the library
    // lives on.
    TooLong,
};

// Checks a typed folder title, taken in its Windows forms (toWindowsForms):
// it names a folder and is stored in the index.
TitleCheck checkFolderTitle(const QString& title);
bool isUsableFolderTitle(const QString& title);
// True when a directory name read from an index is a plain name inside its
// class folder that every file system can hold: not empty, "." or "..", no
// separator, control character or : * ? " < > |, no trailing dot or space,
// and no device name of Windows.
bool isPlainDirectoryName(const QString& name);
// True for a character no file name may hold on every file system: a control
// character or one of \ / : * ? " < > |.
bool isForbiddenNameCharacter(QChar c);
// CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9 in any case, alone or with an
// extension ("nul.txt"): Windows opens the device instead of a file.
bool isReservedDeviceName(const QString& name);
