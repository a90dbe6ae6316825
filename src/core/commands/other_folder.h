// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Shows every photo of the folder that holds a file the user picks in the
// file-open dialog, under the title "他のフォルダ". The folder is no row of
// the index. A waiting copy is dropped; a cancel changes nothing.
void openFolderByPath(AppContext& program);
