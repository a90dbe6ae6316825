// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes lines as the program's own text files are written: code page 932,
// every line followed by CR LF, the file replaced whole.
bool writeCp932Lines(const QString& hostPath, const QStringList& lines,
                     QString* errorString = nullptr);

// The whole file at hostPath; empty when it cannot be read.
QByteArray fileBytes(const QString& hostPath);
