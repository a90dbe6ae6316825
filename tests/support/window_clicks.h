// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// A double click at pos of target as the window system delivers it: press,
// release and a second press, which Qt turns into a double-click event.
// Shows target's window first.
void doubleClickThroughWindow(QWidget& target, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
