// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// Windows bitmap files on the host, as the print commands pass photos on.

// Writes image as a BMP file, replacing any file of that name.
bool saveBitmap(const QImage& image, const QString& hostPath);
// The picture of a BMP file; a null image when it cannot be read.
QImage loadBitmap(const QString& hostPath);
bool removeBitmap(const QString& hostPath);

// Turns the BMP file source 90 degrees to the left (counter-clockwise) and
// writes it to destination, which may be source itself. 0 on success, else a
// non-zero error number.
std::int32_t RotateL(const QString& source, const QString& destination);
