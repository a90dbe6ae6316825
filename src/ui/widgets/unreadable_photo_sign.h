// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class PictureBox;

// Marks area as the place of a photo that cannot be shown: a grey box crossed
// out, "みられない しゃしん" and the photo's file name, so that a teacher can
// find the file.
void drawUnreadablePhotoSign(PictureBox& box, const QRect& area, const QString& photoName);
