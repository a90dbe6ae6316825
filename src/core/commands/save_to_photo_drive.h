// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Copies the first 100 marked photos to the photo drive (the card, where the
// drive stands for one) after the pupil confirms. The marks stay and nothing
// is redrawn.
void saveToPhotoDrive(AppContext& program);
