// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/database_store.h"

#include <QString>

struct AppContext;

// " 先生" for the teacher's machine (999), " PC" and the last two digits of
// "0" and the number for any other number above 0, nothing for 0 or less.
QString machineTag(int pcNumber);

// "ﾃﾞｰﾀﾍﾞｰｽに保存する": copies every photo of the open folder into a new
// numbered folder of the database and adds its row, tagged with the class and
// the machine, to the database index. The main window goes on showing the
// folder that was saved.
void saveOpenFolderToDatabase(AppContext& program);
