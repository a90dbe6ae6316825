// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_application.h"

#include "ui/widgets/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int runAllTests(int argc, char** argv, const QString& applicationName) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(applicationName);
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
