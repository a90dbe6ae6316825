#pragma once

#include <QString>

class QWidget;

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

class QtMessageService : public MessageService {
public:
    // Boxes are modal to parent, which may be null.
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void inform(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void beep() override;

private:
    QWidget* m_parent;
};
