// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/private_server.h"

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A folder served by a private Samba server on the loopback address and
// mounted through smbnetfs, or as a GNOME desktop mounts it (gvfs: a D-Bus
// session with its own runtime folder, gio mount, the share under
// $XDG_RUNTIME_DIR/gvfs/), standing for a school's Windows share. Each mount
// is a machine of its own. Everything lives in one temporary folder: the
// server's configuration and state, the served folder and the mount points.
// The machine's own Samba setup is never read or changed.
class SmbShare : public PrivateServer {
public:
    ~SmbShare();

    // Starts the server and mounts the share once. False, with skipReason()
    // saying why, where a component is missing or cannot start here.
    bool start();
    enum class Client { Smbnetfs, Gvfs };
    // Another machine's mount of the same share, named name; its folder is
    // shareFolder(name). Only after start().
    bool mountAgain(const QString& name, Client client = Client::Smbnetfs);

    // The server as a school's may fail: stopped (every call waits) and
    // continued, or killed and started again on the same port.
    void stopServer();
    void continueServer();
    void killServer();
    bool killAndRestartServer();

    // The share as the first machine sees it.
    QString shareFolder() const { return shareFolder(QStringLiteral("first")); }
    QString shareFolder(const QString& mountName) const;
    // The same folder on the server's side, for checking what really landed.
    QString servedFolder() const { return m_dir.path() + QStringLiteral("/served"); }
    int port() const { return m_port; }

private:
    void signalServer(int signal);
    bool startServer();
    bool writeClientConfig();
    bool mount(const QString& name);
    bool mountWithGvfs(const QString& name);

    QProcess m_server;
    QStringList m_mounted;
    std::vector<std::unique_ptr<QProcess>> m_sessions;
    QHash<QString, QString> m_gvfsFolders;
    int m_port = 0;
};
