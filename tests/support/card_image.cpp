// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/card_image.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
// Output to a file or nowhere, as a FUSE daemon goes on writing where its
// command wrote.
bool run(const QString& program, const QStringList& arguments, const QString& output) {
    QProcess process;
    process.setStandardOutputFile(output.isEmpty() ? QProcess::nullDevice() : output);
    process.setStandardErrorFile(output.isEmpty() ? QProcess::nullDevice() : output,
                                 QIODevice::Append);
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
} // namespace

CardImage::~CardImage() {
    if (m_mounted)
        run(QStringLiteral("fusermount"), {QStringLiteral("-uz"), m_mountPoint}, QString());
    if (!m_loopDevice.isEmpty())
        run(QStringLiteral("losetup"), {QStringLiteral("-d"), m_loopDevice}, QString());
}

QString CardImage::start() {
    const bool exFat = m_format == Format::ExFat;
    const QString image = m_dir.filePath(QStringLiteral("card.img"));
    const QString log = m_dir.filePath(QStringLiteral("log"));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(64 << 20))
        return QStringLiteral("cannot make ") + image;
    file.close();
    if (!run(exFat ? QStringLiteral("mkfs.exfat") : QStringLiteral("mkfs.vfat"),
             exFat ? QStringList{QStringLiteral("-L"), QStringLiteral("CARD"), image}
                   : QStringList{QStringLiteral("-F32"), QStringLiteral("-nCARD"), image},
             log))
        return QStringLiteral("mkfs failed (scripts/setup.sh installs exfatprogs, dosfstools)");
    m_skippable = true;
    if (!QFile::exists(QStringLiteral("/dev/fuse")))
        return QStringLiteral("no /dev/fuse on this machine");
    if (!run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image},
             log))
        return QStringLiteral("no loop device on this machine");
    if (QFile shown(log); shown.open(QIODevice::ReadOnly))
        m_loopDevice = QString::fromLocal8Bit(shown.readAll()).trimmed();
    QDir().mkpath(m_mountPoint);
    m_mounted =
        run(exFat ? QStringLiteral("mount.exfat-fuse") : QStringLiteral("fusefat"),
            (exFat ? QStringList() : QStringList{QStringLiteral("-o"), QStringLiteral("rw+")}) +
                QStringList{m_loopDevice, m_mountPoint},
            QProcess::nullDevice());
    return m_mounted ? QString() : QStringLiteral("FUSE cannot mount ") + m_loopDevice;
}
