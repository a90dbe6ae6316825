// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Moves the first 100 marked photos of the open folder into the class's trash
// after the pupil confirms (a folder opened by its path has none: its photos
// are deleted), brings the folder's count in the index up to date and shows the
// folder again.
void deletePhotos(AppContext& program);
