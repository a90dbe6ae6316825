// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;
struct SheetLayout;

// Prints every marked photo of the open folder, in ascending photo number,
// on sheets of the given layout after the pupil confirms, then redraws the
// thumbnail page. The marks stay.
void printPhotoSheets(AppContext& program, const SheetLayout& layout);
