// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_clicks.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

void doubleClickThroughWindow(QWidget& target, QPoint pos, Qt::MouseButton button) {
    QWidget* top = target.window();
    top->show();
    target.show();
    if (!QTest::qWaitForWindowExposed(top))
        return;
    QTest::mouseDClick(top->windowHandle(), button, {}, target.mapTo(top, pos));
}
