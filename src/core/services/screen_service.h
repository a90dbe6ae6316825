// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The size of the screen the program starts on, in pixels.
class ScreenService {
public:
    virtual ~ScreenService() = default;
    virtual int widthPx() const = 0;
    virtual int heightPx() const = 0;
};
