// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FileSystem;
struct ProgramState;

// The photo folder of index row `row` when files may be taken out of it or
// put into it: a directory of its own (no link) directly inside the class
// folder that is no class folder, holds no index and neither is nor holds the
// save root or the database folder. Empty otherwise, so that a row can never
// lead a delete or a copy to the library's own folders or outside it.
QString changeablePhotoFolderOfRow(const FileSystem& files, const ProgramState& state, int row);
