// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Where printed sheets go: one document at a time, sheet after sheet, with
// pictures placed in twips (1/1440 inch) from the top-left corner of the
// sheet's drawable area.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // Starts a document with its first sheet; false when nothing can be printed.
    virtual bool beginDocument() = 0;
    // The drawable area of a sheet in twips: A4 portrait less the margins the
    // chosen printer cannot print on.
    virtual QSizeF sheetSizeTwips() const = 0;
    virtual void newSheet() = 0;
    // Stretches picture to fill target on the current sheet.
    virtual void drawPicture(const QImage& picture, const QRectF& target) = 0;
    // Ends the document and hands it over; 0 when that worked, else an error
    // number.
    virtual int endDocument() = 0;

    // The folder for the print commands' temporary bitmap: the folder where the
    // program keeps its own files when it can be written, else the system's
    // temporary folder.
    virtual QString scratchFolder() const = 0;
};
