// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class FileSystem;
struct ProgramState;

// Sets SaveRoot from SaveBase and SaveSubFolder and makes both folders, as
// start-up does, so that whatever chose the base finds the same tree as a
// fresh start on it would.
void rebuildSaveRoot(ProgramState& state, const FileSystem& files);

// Sets ClassFolder to the chosen class's folder under SaveRoot (the save root
// itself in personal use) and makes it.
void rebuildClassFolder(ProgramState& state, const FileSystem& files);
