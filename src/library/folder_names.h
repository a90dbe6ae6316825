#pragma once

#include "state/program_state.h"

#include <QString>

// Names the program gives photo folders: "IMG_0007_えんそく".

// The folder number a directory name uses: the decimal digits at its start
// from the fifth character on ("IMG_0007_x" uses 7), 0 when there are none.
int folderNumberOf(const QString& directoryName);
// The lowest of 1..count that no row uses, else count + 1.
int nextFolderNumber(const FolderRows& table, int count);
// "IMG_" + number in four digits + "_" + title.
QString photoFolderName(int number, const QString& title);

// True when title can name a folder and be stored in the index: not empty, no
// \ / : * ? " < > | or ",", not only dots, no trailing dot or space, and every
// character has a code in the index's code page.
bool isUsableFolderTitle(const QString& title);
// True when a directory name read from an index is a plain name inside its
// class folder: no separator, not "." or "..", not empty.
bool isPlainDirectoryName(const QString& name);
