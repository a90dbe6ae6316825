// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// A screen dump in the X Window Dump format (what `xwd` writes) as an image;
// null when the dump is not a true- or direct-colour ZPixmap of 24 or 32 bits a pixel.
QImage imageFromXwd(const QByteArray& dump);
