// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Deletes the first 100 marked photos of the open folder after the pupil
// confirms, brings the folder's count in the index up to date and shows the
// folder again.
void deletePhotos(AppContext& program);
