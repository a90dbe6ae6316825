// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/mount_tools.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

int freeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool runQuietly(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(MountStepTimeoutMs);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool isMountPoint(const QString& path) {
    struct stat self {};
    struct stat parent {};
    return ::stat(QFile::encodeName(path).constData(), &self) == 0 &&
           ::stat(QFile::encodeName(path + QStringLiteral("/..")).constData(), &parent) == 0 &&
           self.st_dev != parent.st_dev;
}

void unmountFuse(const QString& mountPoint) {
    QString tool = QStandardPaths::findExecutable(QStringLiteral("fusermount3"));
    if (tool.isEmpty())
        tool = QStandardPaths::findExecutable(QStringLiteral("fusermount"));
    if (!tool.isEmpty())
        runQuietly(tool, {QStringLiteral("-u"), QStringLiteral("-z"), mountPoint});
}
