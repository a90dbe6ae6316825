// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/modal_runner.h"

// Runs the dialog's own event loop.
class QtModalRunner : public ModalRunner {
public:
    void runModal(QDialog& dialog) override;
};
