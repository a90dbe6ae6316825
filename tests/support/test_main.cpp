// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_application.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests' cameras stand on libgphoto2's disk: ports. Only that port
    // driver is offered, so no test probes the machine's own USB and serial
    // ports, or a camera someone plugged in.
    const QTemporaryDir portDrivers;
    if (portDrivers.isValid() &&
        QFile::link(QStringLiteral(FOTOBAKO_GPHOTO2_PORT_DRIVERS "/disk.so"),
                    portDrivers.filePath(QStringLiteral("disk.so"))))
        qputenv("IOLIBS", QFile::encodeName(portDrivers.path()));
    return runAllTests(argc, argv, QStringLiteral("fotobako-tests"));
}
