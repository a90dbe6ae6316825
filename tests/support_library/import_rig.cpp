// SPDX-License-Identifier: GPL-3.0-or-later
#include "support_library/import_rig.h"

#include "app/secondary_windows.h"
#include "core/library/library_paths.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

ImportRig::ImportRig() {
    state.settings.PhotoDrivePath = QStringLiteral("A:\\");
    new SecondaryWindows(program, *form, root.path(), [] {});
}

ImportRig::Outcome ImportRig::typeAndRun(const std::function<void()>& openCommand,
                                         const QString& name, Submit submit) {
    Outcome outcome;
    modals.script = [&](QDialog& dialog) {
        auto& window = dynamic_cast<FolderNameWindow&>(dialog);
        outcome.window = &window;
        outcome.caption = window.windowTitle();
        outcome.height = window.frameGeometry().height();
        outcome.initialText = window.nameEdit->text();
        if (whenOpen)
            whenOpen(window);
        window.nameEdit->setText(name);
        switch (submit) {
        case Submit::Click:
            window.runButton->click();
            break;
        case Submit::Return:
            QTest::keyClick(window.nameEdit, Qt::Key_Return);
            break;
        case Submit::Enter:
            QTest::keyClick(window.nameEdit, Qt::Key_Enter);
            break;
        }
        outcome.stayedOpen = window.isVisible();
    };
    openCommand();
    modals.script = nullptr;
    return outcome;
}

ImportRig::Outcome ImportRig::importAs(const QString& name, Submit submit) {
    return typeAndRun([this] { form->importAction->trigger(); }, name, submit);
}

ImportRig::Outcome ImportRig::makeFolderAs(const QString& name) {
    return typeAndRun([this] { form->makeFolderAction->trigger(); }, name);
}

ImportRig::Outcome ImportRig::renameTo(const QString& name) {
    return typeAndRun([this] { form->renameFolderButton->click(); }, name);
}

void ImportRig::putPhoto(const QString& name, int colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(photoColour(colour));
    image.save(driveHost(name), "JPG", 95);
}

QString ImportRig::driveHost(const QString& name) const {
    return host(QStringLiteral("A:\\")) + u'/' + name;
}

QStringList ImportRig::namesIn(const QString& folder) const {
    QStringList names =
        QDir(host(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Unsorted);
    std::sort(names.begin(), names.end());
    return names;
}

QString ImportRig::folderPath(const QString& directory) const {
    return joinPath(classFolder, directory);
}
