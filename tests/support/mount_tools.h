// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Small steps shared by the fixtures that serve a folder on the loopback
// address and mount it.

constexpr int MountStepTimeoutMs = 20000;

// A port nobody listens on now; the server binds it a moment later.
int freeLoopbackPort();
// Runs program to its end; true when it exited with 0. output gets what it
// printed.
bool runQuietly(const QString& program, const QStringList& arguments, QString* output = nullptr);
bool isMountPoint(const QString& path);
// Unmounts a FUSE mount, lazily, so a file still open does not keep it.
void unmountFuse(const QString& mountPoint);
