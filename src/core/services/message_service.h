// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The answer that Return gives to a question. A question before something is
// deleted or replaced defaults to No, so that a key pressed by chance loses
// nothing.
enum class QuestionDefault { Yes, No };

// Message boxes without an icon under the program's name, and the system beep.
class MessageService {
public:
    virtual ~MessageService() = default;
    // A message with an OK button.
    virtual void inform(const QString& text) = 0;
    // A question with Yes and No; true for Yes. Esc answers No.
    virtual bool askYesNo(const QString& text, QuestionDefault answer = QuestionDefault::Yes) = 0;
    virtual void beep() = 0;
};
