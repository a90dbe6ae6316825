// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/qt_translations.h"
#include "core/files/program_files.h"
#include "ui/widgets/fonts.h"

#include <QApplication>
#include <QIcon>
#include <memory>

namespace {
// The icon the package installs in the theme; the same pictures built in where
// the theme has none.
QIcon programIcon() {
    QIcon builtIn;
    for (const int size : {48, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/fotobako-%1.png").arg(size));
    return QIcon::fromTheme(QStringLiteral("fotobako"), builtIn);
}
} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fotobako"));
    QGuiApplication::setDesktopFileName(DesktopId);
    QApplication::setWindowIcon(programIcon());
    installFontSubstitutions();
    installJapaneseQtTexts(qtApp);

    const auto application = std::make_unique<Application>();
    application->mainWindow().show();
    return QApplication::exec();
}
