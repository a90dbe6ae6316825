// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct MainWindowContext;

// Redraws the caption bars and frames of the page from the marks, without
// touching the pictures.
void drawMarkCaptions(MainWindowContext& main);
