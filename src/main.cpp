#include "app/application.h"
#include "platform_gui/fonts.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fotobako"));
    installFontSubstitutions();

    const auto application = std::make_unique<Application>();
    application->mainWindow().show();
    return QApplication::exec();
}
