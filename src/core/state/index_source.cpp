// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/index_source.h"

void IndexSource::removeRow(int k) {
    if (k < 1 || k > rows.size())
        return;
    const QList<QByteArray> lines = rows.takeAt(k - 1).linesBefore;
    QList<QByteArray>& below = k - 1 < rows.size() ? rows[k - 1].linesBefore : linesAfter;
    below = lines + below;
}
