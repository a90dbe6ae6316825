// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>

// A program or device a private server needs, and what to tell when it is
// missing. A path with a "/" must exist; a bare name is looked up on PATH.
struct ServerComponent {
    QString path;
    QString missing;
};

// The FUSE device that every mount of a private server needs.
inline const ServerComponent FuseDevice{
    QStringLiteral("/dev/fuse"), QStringLiteral("FUSE is unavailable: /dev/fuse is missing")};

// What every server a test starts for itself shares: one temporary folder
// for all it writes, and why it cannot run on this machine. Never copied, as
// it owns running processes and mounts.
class PrivateServer {
public:
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    QString skipReason() const { return m_skipReason; }

protected:
    PrivateServer() = default;
    explicit PrivateServer(const QString& folderTemplate) : m_dir(folderTemplate) {}
    ~PrivateServer() = default;

    // Keeps the reason; always false, for a start to return.
    bool fail(const QString& reason);
    // The temporary folder is there and so is every component; else fails
    // with the first that is missing.
    bool haveComponents(const QList<ServerComponent>& components);

    QTemporaryDir m_dir;

private:
    QString m_skipReason;
};
