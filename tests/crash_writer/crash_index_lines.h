// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The two contents the crash tests switch an index between: 10,000 rows each,
// with characters whose second byte is 0x5C or 0x7C in code page 932.
inline QStringList crashIndexLines(QChar variant) {
    QStringList lines;
    lines.reserve(10000);
    for (int i = 1; i <= 10000; ++i)
        lines << QStringLiteral("ソフト%1%2,IMG_%3_表示,2002/06/15 %4,メモ－%1")
                     .arg(variant)
                     .arg(i)
                     .arg(i, 4, 10, QLatin1Char('0'))
                     .arg(i % 100);
    return lines;
}
