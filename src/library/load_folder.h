#pragma once

#include <QString>
#include <QStringList>

class FileSystem;
struct Program;

// Lists the photos of PhotoFolder, sets the scroll range, draws the first
// page and brings the folder's stored photo count up to date.
void LoadFolder(Program& program);

// Paths of the photo files (*.JP*) directly in folder, in listing order, at
// most limit of them. A folder that is no plain path gives none.
QStringList listPhotoPaths(const FileSystem& files, const QString& folder, int limit);
