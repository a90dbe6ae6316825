// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

// Runs on a real X server (the test command starts a private Xvfb), so the
// clipboard and the windows are the X ones.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fotobako-x11-tests"));
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
