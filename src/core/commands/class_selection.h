// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// A class button was clicked: after the pupil confirms, the class folder is
// made when missing and opened.
void chooseClass(AppContext& program, int buttonIndex);
