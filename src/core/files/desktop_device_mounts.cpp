// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/desktop_device_mounts.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace {

const QRegularExpression DeviceMount(QStringLiteral("^(gphoto2|mtp):host=(.+)$"));

QStringList foldersIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

bool holdsDcim(const QString& folder) {
    const QStringList names = foldersIn(folder);
    return std::any_of(names.cbegin(), names.cend(), [](const QString& name) {
        return name.compare(QStringLiteral("DCIM"), Qt::CaseInsensitive) == 0;
    });
}

} // namespace

std::optional<QString> desktopDeviceFolder(const QStringList& roots) {
    for (const QString& root : roots) {
        for (const QString& mount : foldersIn(root)) {
            if (!DeviceMount.match(mount).hasMatch())
                continue;
            const QString device = QDir(root).filePath(mount);
            if (holdsDcim(device))
                return device;
            // MTP shows each storage ("Internal shared storage") as a folder.
            for (const QString& storage : foldersIn(device)) {
                if (holdsDcim(QDir(device).filePath(storage)))
                    return QDir(device).filePath(storage);
            }
        }
    }
    return std::nullopt;
}

QString desktopDeviceName(const QString& hostFolder, const QStringList& roots) {
    const QString folder = QDir::cleanPath(hostFolder);
    for (const QString& root : roots) {
        const QString prefix = QDir::cleanPath(root) + u'/';
        if (!folder.startsWith(prefix))
            continue;
        const QString mount = folder.mid(prefix.size()).section(u'/', 0, 0);
        const QRegularExpressionMatch match = DeviceMount.match(mount);
        if (match.hasMatch())
            return QUrl::fromPercentEncoding(match.captured(2).toUtf8())
                .replace(u'_', u' ')
                .trimmed();
    }
    return {};
}
