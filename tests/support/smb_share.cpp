// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/smb_share.h"

#include "support/mount_tools.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <unistd.h>

namespace {

const QString ShareName = QStringLiteral("school");
const QList<ServerComponent> Components = {
    {QStringLiteral("/usr/sbin/smbd"),
     QStringLiteral("smbd is not installed (Debian package samba)")},
    {QStringLiteral("smbnetfs"),
     QStringLiteral("smbnetfs is not installed (Debian package smbnetfs)")},
    FuseDevice};

bool writeFile(const QString& path, const QString& text, QFile::Permissions permissions) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size() &&
           file.setPermissions(permissions);
}

} // namespace

SmbShare::~SmbShare() {
    for (const QString& mountPoint : std::as_const(m_mounted))
        unmountFuse(mountPoint);
    // Ending its input ends the session, and its bus's end the gvfs daemons.
    for (const auto& session : m_sessions) {
        session->closeWriteChannel();
        if (!session->waitForFinished(5000))
            session->kill();
    }
    // smbd leads a process group of its own with one child per connection.
    if (m_server.state() != QProcess::NotRunning) {
        ::kill(-pid_t(m_server.processId()), SIGTERM);
        if (!m_server.waitForFinished(5000)) {
            ::kill(-pid_t(m_server.processId()), SIGKILL);
            m_server.waitForFinished(5000);
        }
    }
}

QString SmbShare::shareFolder(const QString& mountName) const {
    if (m_gvfsFolders.contains(mountName))
        return m_gvfsFolders.value(mountName);
    return QStringLiteral("%1/mnt-%2/127.0.0.1:%3/%4")
        .arg(m_dir.path(), mountName)
        .arg(m_port)
        .arg(ShareName);
}

bool SmbShare::start() {
    if (!haveComponents(Components))
        return false;
    if (::geteuid() != 0)
        return fail(QStringLiteral("a private smbd needs to run as root"));
    for (const char* folder : {"served", "state", "home/.smb"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
    return writeClientConfig() && startServer() && mount(QStringLiteral("first"));
}

void SmbShare::signalServer(int signal) {
    if (m_server.state() != QProcess::NotRunning)
        ::kill(-pid_t(m_server.processId()), signal);
}

void SmbShare::stopServer() {
    signalServer(SIGSTOP);
}

void SmbShare::continueServer() {
    signalServer(SIGCONT);
}

void SmbShare::killServer() {
    signalServer(SIGKILL);
    m_server.waitForFinished(5000);
}

bool SmbShare::killAndRestartServer() {
    killServer();
    return startServer();
}

bool SmbShare::startServer() {
    if (m_port == 0)
        m_port = freeLoopbackPort();
    if (m_port == 0)
        return fail(QStringLiteral("no free port on the loopback address"));
    const QString state = m_dir.filePath(QStringLiteral("state"));
    const QString config = m_dir.filePath(QStringLiteral("smb.conf"));
    // A guest share written as the user running the tests; no name service,
    // no printers, no other port.
    if (!writeFile(config,
                   QStringLiteral("[global]\n"
                                  "smb ports = %1\n"
                                  "interfaces = 127.0.0.1\n"
                                  "bind interfaces only = yes\n"
                                  "disable netbios = yes\n"
                                  "server role = standalone server\n"
                                  "server min protocol = SMB2\n"
                                  "map to guest = Bad User\n"
                                  "guest account = root\n"
                                  "private dir = %2\n"
                                  "lock directory = %2\n"
                                  "state directory = %2\n"
                                  "cache directory = %2\n"
                                  "pid directory = %2\n"
                                  "ncalrpc dir = %2/ncalrpc\n"
                                  "log file = %2/log\n"
                                  "load printers = no\n"
                                  "printing = bsd\n"
                                  "printcap name = /dev/null\n"
                                  "disable spoolss = yes\n"
                                  "[%3]\n"
                                  "path = %4\n"
                                  "read only = no\n"
                                  "guest ok = yes\n"
                                  "force user = root\n")
                       .arg(m_port)
                       .arg(state, ShareName, servedFolder()),
                   QFile::ReadOwner | QFile::WriteOwner))
        return fail(QStringLiteral("cannot write the server configuration"));

    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(
        QStringLiteral("/usr/sbin/smbd"),
        {QStringLiteral("-F"), QStringLiteral("--debug-stdout"), QStringLiteral("-s"), config});
    if (!m_server.waitForStarted(MountStepTimeoutMs))
        return fail(QStringLiteral("smbd could not be started"));
    const QDeadlineTimer deadline(MountStepTimeoutMs);
    while (!runQuietly(QStringLiteral("smbclient"),
                       {QStringLiteral("-N"), QStringLiteral("-s"),
                        m_dir.filePath(QStringLiteral("home/.smb/smb.conf")), QStringLiteral("-p"),
                        QString::number(m_port), QStringLiteral("//127.0.0.1/") + ShareName,
                        QStringLiteral("-c"), QStringLiteral("ls")})) {
        if (m_server.state() == QProcess::NotRunning || deadline.hasExpired())
            return fail(QStringLiteral("smbd did not start serving: ") +
                        QString::fromLocal8Bit(m_server.readAll()).trimmed());
        QThread::msleep(50);
    }
    return true;
}

// smbnetfs reads its settings from the user's ~/.smb, so each mount runs with
// the temporary folder's home/ as its home.
bool SmbShare::writeClientConfig() {
    const QString folder = m_dir.filePath(QStringLiteral("home/.smb"));
    const bool written =
        writeFile(folder + QStringLiteral("/smb.conf"),
                  QStringLiteral("[global]\nclient min protocol = SMB2\ndisable netbios = yes\n"),
                  QFile::ReadOwner | QFile::WriteOwner) &&
        writeFile(folder + QStringLiteral("/smbnetfs.conf"),
                  QStringLiteral("auth \"guest\" \"\"\nsmb_query_browsers \"false\"\n"
                                 "neg_cache_timeout 1\n"),
                  QFile::ReadOwner | QFile::WriteOwner);
    return written || fail(QStringLiteral("cannot write the client configuration"));
}

bool SmbShare::mountAgain(const QString& name, Client client) {
    return client == Client::Gvfs ? mountWithGvfs(name) : mount(name);
}

bool SmbShare::mountWithGvfs(const QString& name) {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty() ||
        !QFileInfo::exists(QStringLiteral("/usr/libexec/gvfsd-fuse")))
        return fail(
            QStringLiteral("gvfs is not installed (packages gvfs-backends, gvfs-fuse, dbus)"));
    const QString runtime = m_dir.filePath(QStringLiteral("run-") + name);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto& session = m_sessions.emplace_back(std::make_unique<QProcess>());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    session->setProcessEnvironment(environment);
    session->start(QStringLiteral("dbus-run-session"),
                   {QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                    QStringLiteral("gio mount -a \"$0\" && echo mounted && exec cat"),
                    QStringLiteral("smb://127.0.0.1:%1/%2/").arg(m_port).arg(ShareName)});
    const QDeadlineTimer deadline(MountStepTimeoutMs);
    for (QByteArray said; !said.contains("mounted"); said += session->readAllStandardOutput()) {
        if (session->state() == QProcess::NotRunning || deadline.hasExpired())
            return fail(QStringLiteral("gio could not mount the share: ") +
                        QString::fromLocal8Bit(session->readAllStandardError()).trimmed());
        session->waitForReadyRead(100);
    }
    m_mounted.append(runtime + QStringLiteral("/gvfs"));
    m_gvfsFolders.insert(
        name, runtime + QStringLiteral("/gvfs/smb-share:port=%1,server=127.0.0.1,share=%2")
                            .arg(m_port)
                            .arg(ShareName));
    return QFileInfo(shareFolder(name)).isDir() || fail(QStringLiteral("no share under gvfs/"));
}

// With no caching in the client or the kernel, as the school machines are
// set up: each machine sees the others' changes at once.
bool SmbShare::mount(const QString& name) {
    const QString mountPoint = m_dir.filePath(QStringLiteral("mnt-") + name);
    QDir().mkpath(mountPoint);
    QProcess smbnetfs;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
    smbnetfs.setProcessEnvironment(environment);
    smbnetfs.setProcessChannelMode(QProcess::MergedChannels);
    smbnetfs.start(QStringLiteral("smbnetfs"),
                   {mountPoint, QStringLiteral("-o"),
                    QStringLiteral("config=%1,attr_timeout=0,entry_timeout=0,negative_timeout=0")
                        .arg(m_dir.filePath(QStringLiteral("home/.smb/smbnetfs.conf")))});
    if (!smbnetfs.waitForFinished(MountStepTimeoutMs) || smbnetfs.exitCode() != 0)
        return fail(QStringLiteral("smbnetfs could not mount: ") +
                    QString::fromLocal8Bit(smbnetfs.readAll()).trimmed());
    m_mounted.append(mountPoint);
    const QDeadlineTimer deadline(MountStepTimeoutMs);
    while (!QFileInfo(shareFolder(name)).isDir()) {
        if (deadline.hasExpired())
            return fail(QStringLiteral("the share did not appear in the smbnetfs mount"));
        QThread::msleep(50);
    }
    return true;
}
