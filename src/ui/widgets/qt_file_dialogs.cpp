#include "ui/widgets/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

std::unique_ptr<QFileDialog> makeImageFileDialog(QWidget* parent) {
    // Every spelling of the extension's first two letters, since the name
    // filters of the dialog follow the case rules of the host.
    auto dialog =
        std::make_unique<QFileDialog>(parent, QStringLiteral("イメージファイル　選択"), QString(),
                                      QStringLiteral("画像 (*.JP* *.jp* *.Jp* *.jP*)"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // The type list names the type alone; only Qt's own dialog honours that
    // on every desktop.
    dialog->setOptions(QFileDialog::HideNameFilterDetails | QFileDialog::DontUseNativeDialog);
    return dialog;
}

std::optional<QString> QtFileDialogs::chooseImageFile(QWidget* parent) {
    const std::unique_ptr<QFileDialog> dialog = makeImageFileDialog(parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> QtFileDialogs::chooseFolder(QWidget* parent, const QString& start) {
    QDir folder(start.isEmpty() ? QDir::homePath() : start);
    while (!folder.exists() && folder.cdUp()) {
    }
    const QString path = QFileDialog::getExistingDirectory(parent, QString(), folder.path());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
