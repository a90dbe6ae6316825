// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/private_server.h"

#include <QFileInfo>
#include <QStandardPaths>

bool PrivateServer::fail(const QString& reason) {
    m_skipReason = reason;
    return false;
}

bool PrivateServer::haveComponents(const QList<ServerComponent>& components) {
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    for (const ServerComponent& component : components) {
        const bool found = component.path.contains(u'/')
                               ? QFileInfo::exists(component.path)
                               : !QStandardPaths::findExecutable(component.path).isEmpty();
        if (!found)
            return fail(component.missing);
    }
    return true;
}
