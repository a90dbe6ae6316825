#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// A photo of a red disc on white, its diameter four fifths of the photo's
// shorter side, for checking that a photo keeps its proportions wherever it
// is drawn or printed.
bool writeCirclePhoto(const QString& hostPath, const QSize& size);

// The bounding box of the disc's red pixels inside area of image (the whole
// image when area is empty); empty when none is red.
QRect redDiscBounds(const QImage& image, QRect area = {});

// True when the disc inside area is round: its width and height within 3 %
// of each other.
bool discIsRound(const QImage& image, QRect area = {});
