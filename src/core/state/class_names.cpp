// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/class_names.h"

namespace {
QChar fullWidthDigit(int digit) {
    return QChar(0xFF10 + digit);
}
} // namespace

QString classDisplayName(int index) {
    const int grade = index / 5 + 1;
    const int klass = index % 5 + 1;
    return QString(fullWidthDigit(grade)) + QStringLiteral("年") + fullWidthDigit(klass) +
           QStringLiteral("組");
}

QString classFolderName(int index) {
    return QStringLiteral("CLASS_%1%2").arg(index / 5 + 1).arg(index % 5 + 1);
}
