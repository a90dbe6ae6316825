// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>

// Reading printed PDF files with poppler-utils, and comparing what a cell
// shows with the photo printed into it.

// Empty when pdfinfo and pdftoppm are both there, else why not.
QString popplerMissingReason();
// The page count pdfinfo reports; nullopt when it cannot read the file.
std::optional<int> pdfPageCount(const QString& pdfPath);
// Page (1-based) rendered by pdftoppm at dpi; null on failure.
QImage renderPdfPage(const QString& pdfPath, int page, int dpi);

// The mean colour of the middle fifth (each way) of rect in image.
QColor meanColourOfMiddle(const QImage& image, const QRectF& rect);
// The rect of a cell given as fractions of the whole page image.
QRectF pageRect(const QImage& page, double left, double top, double right, double bottom);
// True when every channel of colour is at least 240: bare paper.
bool isPaperWhite(const QColor& colour);
// True when two colours differ by at most tolerance in every channel.
bool closeColours(const QColor& a, const QColor& b, int tolerance);
