// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Runs every test linked into the program inside an application named
// applicationName on the platform QT_QPA_PLATFORM names, with the fonts the
// program uses.
int runAllTests(int argc, char** argv, const QString& applicationName);
