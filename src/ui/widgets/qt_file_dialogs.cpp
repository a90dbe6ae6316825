// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

std::unique_ptr<QFileDialog> makeImageFileDialog(QWidget* parent) {
    // Every spelling of the extension's first two letters, since the name
    // filters of the dialog follow the case rules of the host.
    auto dialog = std::make_unique<QFileDialog>(
        parent, QStringLiteral("イメージファイル　選択"), QString(),
        QStringLiteral("画像 (*.JP* *.jp* *.Jp* *.jP* *.HEIC *.heic *.HEIF *.heif)"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // The type list names the type alone; only Qt's own dialog honours that
    // on every desktop.
    dialog->setOptions(QFileDialog::HideNameFilterDetails | QFileDialog::DontUseNativeDialog);
    return dialog;
}

std::optional<QString> QtFileDialogs::chooseImageFile() {
    const std::unique_ptr<QFileDialog> dialog = makeImageFileDialog(QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> QtFileDialogs::chooseFolder(const QString& start) {
    QDir folder(start.isEmpty() ? QDir::homePath() : start);
    while (!folder.exists() && folder.cdUp()) {
    }
    const QString path =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(), folder.path());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
