// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/page_scroll_bar.h"

#include <QWheelEvent>

PageScrollBar::PageScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

void PageScrollBar::wheelEvent(QWheelEvent* event) {
    constexpr int EighthsPerNotch = 120;
    m_wheelEighths += event->angleDelta().y();
    const int notches = m_wheelEighths / EighthsPerNotch;
    m_wheelEighths -= notches * EighthsPerNotch;
    setValue(value() - notches * pageStep());
    event->accept();
}
