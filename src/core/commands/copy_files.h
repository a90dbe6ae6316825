// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class FileSystem;

// Copies each file of paths to targetPrefix followed by its file name,
// replacing a file of that name; a file that would be copied onto itself is
// left alone. Returns how many could not be copied.
int copyPhotosTo(const FileSystem& files, const QStringList& paths, const QString& targetPrefix);
