// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/network_mount.h"

#include <QFile>
#include <QList>
#include <sys/sysmacros.h>

bool isNetworkFileSystemType(QByteArrayView type) {
    if (type.startsWith("fuse."))
        return true;
    for (const char* network : {"fuse", "cifs", "smb3", "smbfs", "nfs", "nfs4", "9p", "afs", "ceph",
                                "glusterfs", "lustre", "davfs"}) {
        if (type == QByteArrayView(network))
            return true;
    }
    return false;
}

// A line of /proc/self/mountinfo: "id parent major:minor root point options
// [optional fields] - type source options".
bool isOnNetworkMount(quint64 deviceId) {
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray device =
        QByteArray::number(major(deviceId)) + ':' + QByteArray::number(minor(deviceId));
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || fields[2] != device)
            continue;
        const qsizetype separator = fields.indexOf("-");
        if (separator > 0 && separator + 1 < fields.size())
            return isNetworkFileSystemType(fields[separator + 1]);
    }
    return false;
}
