// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Whether a file system type, as the kernel's mount table names it, reaches
// its files over a network: SMB, NFS and the like, and FUSE file systems
// other than those on a block device of this machine (sshfs, smbnetfs, the
// desktop's gvfs mounts; not a camera card read through exfat-fuse).
bool isNetworkFileSystemType(QByteArrayView type);

// Whether the device an open file lies on (fstat's st_dev) is a network
// mount. It reads the process's mount table, which costs no round trip.
bool isOnNetworkMount(quint64 deviceId);
