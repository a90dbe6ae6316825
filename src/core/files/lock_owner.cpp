// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/lock_owner.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <cerrno>
#include <csignal>

namespace {

const QByteArray RecordTag = QByteArrayLiteral("fotobako-lock 1");

QString bootId() {
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed())
                                          : QString();
}

// The 22nd field of /proc/<pid>/stat; the name in parentheses before it may
// hold spaces, so fields are counted after its closing parenthesis.
qint64 processStart(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = file.readAll();
    const qsizetype nameEnd = stat.lastIndexOf(')');
    if (nameEnd < 0)
        return 0;
    const QList<QByteArray> fields = stat.mid(nameEnd + 2).split(' ');
    return fields.size() > 19 ? fields[19].toLongLong() : 0;
}

bool processRuns(qint64 pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

QByteArray LockOwner::toBytes() const {
    return RecordTag + '\n' + host.toUtf8() + '\n' + QByteArray::number(pid) + '\n' +
           bootId.toLatin1() + '\n' + QByteArray::number(started) + '\n' + token.toLatin1() + '\n';
}

std::optional<LockOwner> LockOwner::parse(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() != 7 || lines[0] != RecordTag || !lines[6].isEmpty() || lines[5].isEmpty())
        return std::nullopt;
    LockOwner owner;
    bool pidOk = false;
    bool startOk = false;
    owner.host = QString::fromUtf8(lines[1]);
    owner.pid = lines[2].toLongLong(&pidOk);
    owner.bootId = QString::fromLatin1(lines[3]);
    owner.started = lines[4].toLongLong(&startOk);
    owner.token = QString::fromLatin1(lines[5]);
    if (!pidOk || !startOk)
        return std::nullopt;
    return owner;
}

LockOwner currentLockOwner(const QString& host) {
    static const QString boot = bootId();
    static const qint64 started = processStart(QCoreApplication::applicationPid());
    const quint64 random = QRandomGenerator::system()->generate64();
    return {host, QCoreApplication::applicationPid(), boot, started,
            QString::number(random, 16).rightJustified(16, u'0')};
}

HolderState holderState(const LockOwner& owner, const QString& host,
                        bool (*isHeld)(const QString& token)) {
    if (owner.host != host)
        return HolderState::Unknown;
    const LockOwner self = currentLockOwner(host);
    if (self.bootId.isEmpty())
        return HolderState::Unknown;
    if (owner.bootId != self.bootId)
        return HolderState::Ended;
    if (owner.pid == self.pid && owner.started == self.started)
        return isHeld(owner.token) ? HolderState::Alive : HolderState::Ended;
    if (!processRuns(owner.pid) || processStart(owner.pid) != owner.started)
        return HolderState::Ended;
    return HolderState::Alive;
}
