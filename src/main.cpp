#include "app/application.h"
#include "platform/fonts.h"
#include "platform/qt_translations.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fotobako"));
    installFontSubstitutions();
    installJapaneseQtTexts(qtApp);

    const auto application = std::make_unique<Application>();
    application->mainWindow().show();
    return QApplication::exec();
}
