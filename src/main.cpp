#include "app/application.h"
#include "platform/program_files.h"
#include "platform/qt_translations.h"
#include "platform_gui/fonts.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fotobako"));
    QGuiApplication::setDesktopFileName(DesktopId);
    installFontSubstitutions();
    installJapaneseQtTexts(qtApp);

    const auto application = std::make_unique<Application>();
    application->mainWindow().show();
    return QApplication::exec();
}
