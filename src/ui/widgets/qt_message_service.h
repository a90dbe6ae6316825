// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/message_service.h"

class QWidget;

// Qt's message boxes and the desktop's beep.
class QtMessageService : public MessageService {
public:
    // Boxes are modal to parent, which may be null.
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void inform(const QString& text) override;
    bool askYesNo(const QString& text, QuestionDefault answer = QuestionDefault::Yes) override;
    void beep() override;

private:
    QWidget* m_parent;
};
