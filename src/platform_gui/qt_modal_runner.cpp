#include "platform_gui/qt_modal_runner.h"

#include <QDialog>

void QtModalRunner::runModal(QDialog& dialog) {
    dialog.exec();
}
