// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

void QtClipboard::clear() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

bool QtClipboard::setImage(const QImage& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || picture.isNull())
        return false;
    clipboard->setImage(picture);
    // The clipboard gives no result of its own; one that took the picture
    // offers it back.
    const QMimeData* offered = clipboard->mimeData();
    return offered && offered->hasImage();
}
