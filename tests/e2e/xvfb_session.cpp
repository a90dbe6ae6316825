// SPDX-License-Identifier: GPL-3.0-or-later
#include "xvfb_session.h"

#include "xwd_image.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

namespace {
constexpr int StartSeconds = 20;
constexpr int ToolSeconds = 20;
} // namespace

XvfbSession::~XvfbSession() {
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

bool XvfbSession::start(QSize screen) {
    const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (server.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed (scripts/setup.sh installs it)");
        return false;
    }
    // With -displayfd the server takes the first free display and writes its
    // number once it accepts connections. Without -noreset it starts afresh
    // whenever its last client leaves, and refuses the program if it connects
    // just then, after one of the tools that look for its window ended.
    m_server.setProgram(server);
    m_server.setArguments(
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
         QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    m_server.start();
    const QDeadlineTimer deadline(StartSeconds * 1000);
    QByteArray number;
    while (!number.endsWith('\n')) {
        if (!m_server.waitForReadyRead(int(deadline.remainingTime())) &&
            (m_server.state() == QProcess::NotRunning || deadline.hasExpired())) {
            m_error = QStringLiteral("Xvfb did not start: ") +
                      QString::fromLocal8Bit(m_server.readAllStandardError()).trimmed();
            return false;
        }
        number += m_server.readAllStandardOutput();
    }
    m_display = u':' + QString::fromLatin1(number.trimmed());
    return true;
}

QProcessEnvironment XvfbSession::environment(QProcessEnvironment base) const {
    for (const char* name :
         {"WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS",
          "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
        base.remove(QString::fromLatin1(name));
    base.insert(QStringLiteral("DISPLAY"), m_display);
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return base;
}

std::optional<QByteArray> XvfbSession::run(const QString& tool,
                                           const QStringList& arguments) const {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    process.start(path, arguments);
    if (!process.waitForFinished(ToolSeconds * 1000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

QImage XvfbSession::screenshot() const {
    const std::optional<QByteArray> dump =
        run(QStringLiteral("xwd"), {QStringLiteral("-root"), QStringLiteral("-silent")});
    return dump ? imageFromXwd(*dump) : QImage();
}

QImage XvfbSession::windowShot(const QString& window) const {
    const std::optional<QByteArray> dump =
        run(QStringLiteral("xwd"), {QStringLiteral("-id"), window, QStringLiteral("-silent")});
    return dump ? imageFromXwd(*dump) : QImage();
}

QStringList XvfbSession::visibleWindowsOf(qint64 pid) const {
    // Every window matches the empty name; --all keeps those of the process.
    const std::optional<QByteArray> ids =
        run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), QString()});
    if (!ids)
        return {};
    return QString::fromLatin1(*ids).split(u'\n', Qt::SkipEmptyParts);
}
