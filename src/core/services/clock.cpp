// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/clock.h"

QString Clock::dateText() const {
    return now().toString(QStringLiteral("yyyy/MM/dd"));
}

QString Clock::stampText() const {
    return now().toString(QStringLiteral("yyyyMMddHHmmss"));
}
