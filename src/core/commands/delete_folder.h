// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Deletes the open folder with every file in it and removes its row from the
// index after the pupil confirms; the folder that followed it is opened.
// A folder opened by its path is no row of the index and is not deleted.
void deleteOpenFolder(AppContext& program);
