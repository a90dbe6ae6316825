// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/clipboard.h"

// The desktop's clipboard through Qt.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    bool setImage(const QImage& picture) override;
};
