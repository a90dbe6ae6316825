// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

// The system clipboard, as far as the program puts pictures on it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Replaces the clipboard's content with picture, a bitmap; false when the
    // clipboard did not take it.
    virtual bool setImage(const QImage& picture) = 0;
};
