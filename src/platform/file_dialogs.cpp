#include "platform/file_dialogs.h"

#include <QFileDialog>

std::optional<QString> QtFileDialogs::chooseImageFile(QWidget* parent) {
    // Every spelling of the extension's first two letters, since the name
    // filters of the dialog follow the case rules of the host.
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("イメージファイル　選択"), QString(),
                                     QStringLiteral("画像 (*.JP* *.jp* *.Jp* *.jP*)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtFileDialogs::chooseFolder(QWidget* parent) {
    const QString path = QFileDialog::getExistingDirectory(parent);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
