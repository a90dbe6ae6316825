// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sshfs_mount.h"

#include "support/mount_tools.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

SshfsMount::SshfsMount() {
    if (const passwd* user = ::getpwuid(::geteuid()))
        m_user = QString::fromLocal8Bit(user->pw_name);
}

SshfsMount::~SshfsMount() {
    for (const QString& mountPoint : std::as_const(m_mounted))
        unmount(mountPoint);
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
}

bool SshfsMount::start() {
    const QList<ServerComponent> components = {
        {QStringLiteral("/usr/sbin/sshd"),
         QStringLiteral("sshd is not installed (Debian package openssh-server)")},
        {QStringLiteral("sshfs"), QStringLiteral("sshfs is not installed (Debian package sshfs)")},
        FuseDevice};
    if (!haveComponents(components))
        return false;
    if (m_user.isEmpty())
        return fail(QStringLiteral("the current user has no name"));
    QDir(m_dir.path()).mkpath(QStringLiteral("served"));
    QDir(m_dir.path()).mkpath(QStringLiteral("mnt"));
    return makeKeys() && startServer() && mount(mountPoint());
}

bool SshfsMount::mountAgain(const QString& mountPoint) {
    QDir().mkpath(mountPoint);
    return mount(mountPoint);
}

bool SshfsMount::makeKeys() {
    for (const char* name : {"host_key", "client_key"}) {
        QString output;
        if (!runQuietly(QStringLiteral("ssh-keygen"),
                        {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                         QStringLiteral("-N"), QString(), QStringLiteral("-f"),
                         m_dir.filePath(QString::fromLatin1(name))},
                        &output))
            return fail(QStringLiteral("ssh-keygen failed: ") + output);
    }
    QFile::copy(m_dir.filePath(QStringLiteral("client_key.pub")),
                m_dir.filePath(QStringLiteral("authorized_keys")));
    return true;
}

bool SshfsMount::startServer() {
    m_port = freeLoopbackPort();
    if (m_port == 0)
        return fail(QStringLiteral("no free port on the loopback address"));
    QFile config(m_dir.filePath(QStringLiteral("sshd_config")));
    if (!config.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write the server configuration"));
    config.write(QStringLiteral("ListenAddress 127.0.0.1\n"
                                "Port %1\n"
                                "HostKey %2/host_key\n"
                                "AuthorizedKeysFile %2/authorized_keys\n"
                                "AllowUsers %3\n"
                                "PidFile none\n"
                                "StrictModes no\n"
                                "UsePAM no\n"
                                "PasswordAuthentication no\n"
                                "KbdInteractiveAuthentication no\n"
                                "PermitRootLogin prohibit-password\n"
                                "Subsystem sftp internal-sftp\n")
                     .arg(m_port)
                     .arg(m_dir.path(), m_user)
                     .toLocal8Bit());
    config.close();

    m_server.setProcessChannelMode(QProcess::MergedChannels);
    const QString sshd = QStringLiteral("/usr/sbin/sshd -D -e -f ") + config.fileName();
    // Run as root, sshd insists on its privilege separation folder /run/sshd,
    // which only a running system sshd creates. A private mount namespace gets
    // its own empty /run for it, so the machine's /run stays as it is.
    if (::geteuid() == 0 && !QFileInfo::exists(QStringLiteral("/run/sshd")))
        m_server.start(QStringLiteral("unshare"),
                       {QStringLiteral("--mount"), QStringLiteral("--propagation"),
                        QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"),
                        QStringLiteral("mount -t tmpfs tmpfs /run && mkdir -m 755 /run/sshd && "
                                       "exec ") +
                            sshd});
    else
        m_server.start(QStringLiteral("sh"),
                       {QStringLiteral("-c"), QStringLiteral("exec ") + sshd});
    if (!m_server.waitForStarted(MountStepTimeoutMs))
        return fail(QStringLiteral("sshd could not be started"));

    QByteArray log;
    const QDeadlineTimer deadline(MountStepTimeoutMs);
    while (!log.contains("Server listening")) {
        if (m_server.state() == QProcess::NotRunning || deadline.hasExpired())
            return fail(QStringLiteral("sshd did not start listening: ") +
                        QString::fromLocal8Bit(log + m_server.readAll()).trimmed());
        m_server.waitForReadyRead(200);
        log += m_server.readAll();
    }
    return true;
}

// Without client caching, as the school drives are set up: each machine
// sees the others' index writes at once.
bool SshfsMount::mount(const QString& mountPoint) {
    QString output;
    const QString options =
        QStringLiteral("port=%1,IdentityFile=%2,StrictHostKeyChecking=no,"
                       "UserKnownHostsFile=/dev/null,BatchMode=yes,LogLevel=ERROR,cache=no")
            .arg(m_port)
            .arg(m_dir.filePath(QStringLiteral("client_key")));
    if (!runQuietly(QStringLiteral("sshfs"),
                    {QStringLiteral("-o"), options,
                     QStringLiteral("%1@127.0.0.1:%2").arg(m_user, servedFolder()), mountPoint},
                    &output))
        return fail(QStringLiteral("sshfs could not mount: ") + output);
    const QDeadlineTimer deadline(MountStepTimeoutMs);
    while (!isMountPoint(mountPoint)) {
        if (deadline.hasExpired())
            return fail(QStringLiteral("the sshfs mount did not appear"));
        QThread::msleep(20);
    }
    m_mounted.append(mountPoint);
    return true;
}

void SshfsMount::unmount(const QString& mountPoint) {
    unmountFuse(mountPoint);
}
