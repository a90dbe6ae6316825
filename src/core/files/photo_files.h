// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class FileSystem;

// True when a listing takes name as a photo: "*.JP*" (cameras' JPEG) beside
// "*.HEIC" and "*.HEIF" (tablets' and phones' HEIF), letters compared without
// regard to case.
bool isPhotoFileName(const QString& name);
// The listing patterns isPhotoFileName takes.
const QStringList& photoFilePatterns();

// A card's hidden photos are photos too; a library folder lists as Windows shows it.
enum class HiddenFiles { Left, Included };

// FileSystem::listFiles for the photo files of folder, in name order.
QStringList listPhotoFiles(const FileSystem& files, const QString& folder, bool* ok = nullptr,
                           HiddenFiles hidden = HiddenFiles::Left);
