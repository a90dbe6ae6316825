// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// A private X server on a display that was free, and the X tools (xdotool,
// xwd) run against it. The server stops with the session.
class XvfbSession {
public:
    XvfbSession() = default;
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;
    ~XvfbSession();

    // Starts the server with one screen of size; false, with the reason in
    // error(), when it cannot start.
    bool start(QSize screen);
    QString error() const { return m_error; }
    QString display() const { return m_display; }

    // base with DISPLAY set to this server and every other way to a desktop
    // session removed.
    QProcessEnvironment environment(QProcessEnvironment base) const;

    // Runs an X tool on this display to its end; its standard output, or
    // nullopt when it is missing, fails or hangs.
    std::optional<QByteArray> run(const QString& tool, const QStringList& arguments) const;
    // The whole screen, or a null image when it cannot be read. xwd pieces
    // the root together window by window and leaves a dialog of the program
    // black, so dialogs are read with windowShot().
    QImage screenshot() const;
    // The inside of one window.
    QImage windowShot(const QString& window) const;
    // The mapped top-level windows that the process pid made.
    QStringList visibleWindowsOf(qint64 pid) const;

private:
    QProcess m_server;
    QString m_display;
    QString m_error;
};
