// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// A photo of a red disc on white, its diameter 4/5 of the shorter side.
bool writeCirclePhoto(const QString& hostPath, const QSize& size);
// The box around the red pixels of area of image (all of it when empty).
QRect redDiscBounds(const QImage& image, QRect area = {});
// The disc's width and height are within 3 % of each other.
bool discIsRound(const QImage& image, QRect area = {});
