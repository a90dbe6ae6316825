// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Shows the folder list and the thumbnail panel in place of the class panel,
// headed by ClassName.
void showClassFolderPanels(AppContext& program);

// Reads ClassFolder's index, opens its first folder and shows the commands
// that work on folders and photos.
void openClassFolder(AppContext& program);
