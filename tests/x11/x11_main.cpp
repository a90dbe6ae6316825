// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_application.h"

#include <QtGlobal>

// Runs on a real X server (the test command starts a private Xvfb), so the
// clipboard and the windows are the X ones.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    return runAllTests(argc, argv, QStringLiteral("fotobako-x11-tests"));
}
