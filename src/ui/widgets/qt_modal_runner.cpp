// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_modal_runner.h"

#include <QDialog>

void QtModalRunner::runModal(QDialog& dialog) {
    dialog.exec();
}
