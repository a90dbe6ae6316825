#include "import/import_rig.h"

#include "app/secondary_windows.h"
#include "import/form2.h"
#include "library/library_paths.h"
#include "main_window/form1.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

ImportRig::ImportRig() {
    state.FloppyDrive = QStringLiteral("A:\\");
    new SecondaryWindows(program, root.path(), [] {});
}

ImportRig::Outcome ImportRig::typeAndRun(const std::function<void()>& openCommand,
                                         const QString& name, Submit submit) {
    Outcome outcome;
    modals.script = [&](QDialog& dialog) {
        auto& window = dynamic_cast<Form2&>(dialog);
        outcome.window = &window;
        outcome.caption = window.windowTitle();
        outcome.height = window.frameGeometry().height();
        outcome.initialText = window.Text1->text();
        if (whenOpen)
            whenOpen(window);
        window.Text1->setText(name);
        switch (submit) {
        case Submit::Click:
            window.Command1->click();
            break;
        case Submit::Return:
            QTest::keyClick(window.Text1, Qt::Key_Return);
            break;
        case Submit::Enter:
            QTest::keyClick(window.Text1, Qt::Key_Enter);
            break;
        }
        outcome.stayedOpen = window.isVisible();
    };
    openCommand();
    modals.script = nullptr;
    return outcome;
}

ImportRig::Outcome ImportRig::importAs(const QString& name, Submit submit) {
    return typeAndRun([this] { form->MNUFILELOAD->trigger(); }, name, submit);
}

ImportRig::Outcome ImportRig::makeFolderAs(const QString& name) {
    return typeAndRun([this] { form->MNU_MKFOLDER->trigger(); }, name);
}

ImportRig::Outcome ImportRig::renameTo(const QString& name) {
    return typeAndRun([this] { form->Command4->click(); }, name);
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
