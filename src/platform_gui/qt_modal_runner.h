#pragma once

#include "platform/modal_runner.h"

// Runs the dialog's own event loop.
class QtModalRunner : public ModalRunner {
public:
    void runModal(QDialog& dialog) override;
};
