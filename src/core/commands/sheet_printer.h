// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <map>

class PrinterService;

// The print control the print commands drive: a job of sheets, each picture
// stretched into the rectangle of the four edges. Lengths are twips (1/1440
// inch) on the drawable area of the sheet. The members keep the names and the
// order of use of the control the program was made for; the job goes to the
// printer service.
class SheetPrinter {
public:
    // The settings the print commands clear around beginJob, by their member
    // numbers. This control prints only what their zero stands for: no sheet
    // shown in a preview, portrait sheets sent straight to the printer, no
    // border round the drawable area and no header band above it. A value
    // written is kept and read back.
    enum class Setting {
        PreviewPage = 9,   // a 32-bit sheet number
        HeaderHeight = 36, // a 32-bit length
        Orientation = 55,  // a 16-bit code, 0 for portrait
        PageBorder = 91,   // a 32-bit style, 0 for none
        Preview = 126,     // a flag
    };

    explicit SheetPrinter(PrinterService& printer);

    void setSetting(Setting setting, double value) { m_settings[setting] = value; }
    double setting(Setting setting) const;

    // Starts the document with its first sheet.
    void beginJob();
    // Closes the current sheet and starts the next.
    void newSheet();

    double drawLeft() const { return m_left; }
    double drawTop() const { return m_top; }
    double drawRight() const { return m_right; }
    double drawBottom() const { return m_bottom; }
    void setDrawLeft(double value) { m_left = value; }
    void setDrawTop(double value) { m_top = value; }
    void setDrawRight(double value) { m_right = value; }
    void setDrawBottom(double value) { m_bottom = value; }

    // Draws picture stretched into the edges' rectangle; an empty rectangle or
    // a null picture draws nothing.
    void setPicture(const QImage& picture);

    // The drawable sheet, at most 32767 twips each way.
    double sheetWidth() const;
    double sheetHeight() const;

    // Ends the document; its sheets are printed.
    void endJob();
    // 0 while every step worked, else the error number of the first failure
    // (1: the job could not start).
    int status() const { return m_status; }

private:
    PrinterService& m_printer;
    std::map<Setting, double> m_settings;
    double m_left = 0;
    double m_top = 0;
    double m_right = 0;
    double m_bottom = 0;
    bool m_inJob = false;
    int m_status = 0;
};
