#pragma once

#include "core/services/screen_service.h"

// The primary screen as Qt reports it.
class QtScreenService : public ScreenService {
public:
    int widthPx() const override;
    int heightPx() const override;
};
