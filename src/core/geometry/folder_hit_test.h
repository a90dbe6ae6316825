// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ProgramState;

// The index row a click at height y of the folder list stands for, or 0 when
// there are no folders. The heading and the first row give the first row of
// the page; a click below the last row gives the last folder.
int folderRowAt(const ProgramState& state, int y);
