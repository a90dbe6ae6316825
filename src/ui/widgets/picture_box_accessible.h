// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gives every picture box an accessible interface whose children are the
// things drawn in it (PictureBox::setDrawnItems), so that a screen reader can
// name thumbnails and folder rows that are no widgets of their own. Safe to
// call more than once.
void installPictureBoxAccessibility();
