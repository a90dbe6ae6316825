// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_screen_service.h"

#include <QGuiApplication>
#include <QScreen>

int QtScreenService::widthPx() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 800;
}

int QtScreenService::heightPx() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 600;
}
