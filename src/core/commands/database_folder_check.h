// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Before a database command touches the database folder: a folder that is
// not there or cannot be reached is told at once and the command stops
// (false), instead of waiting for a lock that can never be had; a folder on
// a drive of this computer alone is told, and the command goes on.
bool checkDatabaseFolder(AppContext& program);
