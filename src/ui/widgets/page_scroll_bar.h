// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

// A scroll bar whose wheel turns a page a notch: the wheel over the bar
// itself moves as far as a click in its track.
class PageScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit PageScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_wheelEighths = 0;
};
