// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_data.h"

#include <QDir>

QString sharedTestData(const QString& relativePath) {
    const QString base = QDir::cleanPath(QStringLiteral(FOTOBAKO_SHARED_TESTDATA));
    return relativePath.isEmpty() ? base : base + u'/' + relativePath;
}

bool haveSharedTestData() {
    return QDir(sharedTestData()).exists();
}
