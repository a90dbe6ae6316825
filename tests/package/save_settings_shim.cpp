// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Preloaded into the program under test: as each window shows, it chooses the
// settings menu, clicks save or answers the message. Queued: each click opens a modal loop.
namespace {
template <typename Item> Item* withText(QWidget* window, const QString& text) {
    for (Item* item : window->findChildren<Item*>())
        if (item->text() == text)
            return item;
    return nullptr;
}
struct Teacher : QObject {
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(object);
        if (event->type() != QEvent::Show || !window || !window->isWindow())
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(window))
            QTimer::singleShot(0, box, &QMessageBox::accept);
        else if (auto* save = withText<QPushButton>(window, QStringLiteral("環境を保存する")))
            QTimer::singleShot(0, save, &QPushButton::click);
        else if (auto* menu = withText<QAction>(window, QStringLiteral("環境設定")))
            QTimer::singleShot(0, menu, &QAction::trigger);
        return false;
    }
};
void start() {
    qApp->installEventFilter(new Teacher(qApp));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
