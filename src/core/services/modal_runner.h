// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

// Shows a window modally and returns when it is hidden. Tests put a scripted
// runner in its place that works the window's controls instead.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void runModal(QDialog& dialog) = 0;
};
