// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Moves the open folder with every file in it into the class's trash and
// removes its row from the index after the pupil confirms; the folder that
// followed it is opened. A folder opened by its path is no row of the index
// and is not deleted.
void deleteOpenFolder(AppContext& program);
