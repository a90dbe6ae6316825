#include "app/application.h"
#include "app/qt_translations.h"
#include "core/files/program_files.h"
#include "ui/widgets/fonts.h"

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
