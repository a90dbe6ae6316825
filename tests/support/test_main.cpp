// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_application.h"

#include <QtGlobal>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return runAllTests(argc, argv, QStringLiteral("fotobako-tests"));
}
