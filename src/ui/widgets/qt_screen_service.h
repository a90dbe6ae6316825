// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/screen_service.h"

// The primary screen as Qt reports it.
class QtScreenService : public ScreenService {
public:
    int widthPx() const override;
    int heightPx() const override;
};
