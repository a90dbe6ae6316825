// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Message boxes without an icon under the program's name, and the system beep.
class MessageService {
public:
    virtual ~MessageService() = default;
    // A message with an OK button.
    virtual void inform(const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    virtual void beep() = 0;
};
