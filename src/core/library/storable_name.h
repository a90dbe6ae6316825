// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The name a photo is stored under in a photo folder: its own where every
// file system can hold it, else the same name with each character no file
// name may hold ("\", ":", "?" ...) and a trailing dot or space turned into
// "_", and "_" in front of a device name of Windows. The result is always one
// plain name, so a name from a card or another folder can never lead a copy
// out of the folder it goes to.
QString storablePhotoName(const QString& name);
