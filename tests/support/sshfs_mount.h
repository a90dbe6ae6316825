// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/private_server.h"

#include <QProcess>
#include <QString>

// A folder served by a private sshd on the loopback address and mounted
// through sshfs, standing for a school's network drive. Everything lives in
// one temporary folder: host key, client key, authorized_keys, the server's
// configuration, the served folder and the mount point. The machine's own ssh
// setup is never read or changed.
class SshfsMount : public PrivateServer {
public:
    SshfsMount();
    ~SshfsMount();

    // Starts the server and mounts. False, with skipReason() saying why, where
    // a component is missing or cannot start on this machine.
    bool start();
    // A second, independent mount of the same served folder, as another
    // machine on the network would have. Only after start().
    bool mountAgain(const QString& mountPoint);

    // The mounted folder, as the program would see the network drive.
    QString mountPoint() const { return m_dir.path() + QStringLiteral("/mnt"); }
    // The same folder on the server's side, for checking what really landed.
    QString servedFolder() const { return m_dir.path() + QStringLiteral("/served"); }

private:
    QProcess m_server;
    QStringList m_mounted;
    int m_port = 0;
    QString m_user;

    bool makeKeys();
    bool startServer();
    bool mount(const QString& mountPoint);
    void unmount(const QString& mountPoint);
};
