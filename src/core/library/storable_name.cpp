// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/storable_name.h"

#include "core/library/folder_names.h"

QString storablePhotoName(const QString& name) {
    QString stored = name;
    for (QChar& c : stored) {
        if (isForbiddenNameCharacter(c))
            c = u'_';
    }
    for (qsizetype i = stored.size() - 1; i >= 0 && (stored[i] == u'.' || stored[i] == u' '); --i)
        stored[i] = u'_';
    if (stored.isEmpty() || isReservedDeviceName(stored))
        stored.prepend(u'_');
    return stored;
}
