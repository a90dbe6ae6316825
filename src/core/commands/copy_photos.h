// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppContext;

// Collects the marked photos and waits for the destination folder to be
// clicked in the folder list, showing the copy prompt.
void startCopy(AppContext& program);
// Copies the collected photos into index row destinationRow and opens it.
void completeCopy(AppContext& program, int destinationRow);
// Drops a waiting copy; the marks stay.
void cancelCopy(AppContext& program);
